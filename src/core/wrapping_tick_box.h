#pragma once

#include <QCheckBox>

// A tick box whose caption wraps onto further lines at blanks when it is wider
// than the room beside the box, as captions of tall tick boxes do.
class WrappingTickBox : public QCheckBox {
    Q_OBJECT

public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};
