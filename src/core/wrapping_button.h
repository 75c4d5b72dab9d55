#pragma once

#include <QPushButton>

// A push button whose caption wraps onto further lines at blanks when it is
// wider than the button, as captions of narrow, tall buttons do.
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
