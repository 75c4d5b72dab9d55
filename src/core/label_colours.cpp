#include "label_colours.h"

#include "look.h"

#include <QLabel>

void paintLabel(QLabel& label, quint32 backgroundBgr, quint32 textBgr)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, colourFromBgr(backgroundBgr));
    palette.setColor(QPalette::WindowText, colourFromBgr(textBgr));
    label.setPalette(palette);
    label.setAutoFillBackground(true);
}

void paintHeading(QLabel& label)
{
    paintLabel(label, kBlackBgr, kGreenBgr);
}
