#include "control_colours.h"

#include "look.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPalette>

namespace {

bool isLabel(const QWidget& control)
{
    return qobject_cast<const QLabel*>(&control) != nullptr;
}

QPalette::ColorRole textRole(const QWidget& control)
{
    return isLabel(control) ? QPalette::WindowText : QPalette::Text;
}

QPalette::ColorRole backRole(const QWidget& control)
{
    if (qobject_cast<const QAbstractButton*>(&control))
        return QPalette::Button;
    return isLabel(control) ? QPalette::Window : QPalette::Base;
}

} // namespace

void setTextColour(QWidget& control, const QColor& colour)
{
    QPalette palette = control.palette();
    palette.setColor(textRole(control), colour);
    control.setPalette(palette);
}

QColor textColour(const QWidget& control)
{
    return control.palette().color(textRole(control));
}

void setBackColour(QWidget& control, const QColor& colour)
{
    QPalette palette = control.palette();
    palette.setColor(backRole(control), colour);
    control.setPalette(palette);
    if (isLabel(control))
        control.setAutoFillBackground(true);
}

void paintControl(QWidget& control, quint32 textBgr, quint32 backBgr)
{
    setTextColour(control, colourFromBgr(textBgr));
    setBackColour(control, colourFromBgr(backBgr));
}

void paintHeading(QWidget& heading)
{
    paintControl(heading, kGreenBgr, kBlackBgr);
}
