#include "wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    constexpr int kMargin = 3;
    const QRect area = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    painter.drawItemText(
        area, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), caption, QPalette::ButtonText);
}
