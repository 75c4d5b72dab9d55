#include "wrapping_tick_box.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void WrappingTickBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

    const QRect text = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    painter.drawItemText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, palette(), isEnabled(),
        option.text, QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->itemTextRect(fontMetrics(), text,
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, isEnabled(), option.text);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
