#pragma once

#include <QDialog>

class QPushButton;

// The base of every window: a dialog whose unload step runs exactly once,
// whichever way it closes (a button, Enter or Esc, the close box, the system
// shutting down). A window with a cancel button closes on Esc by pressing that
// button, so the button's own handler runs; a window without one ignores Esc.
//
// Enter presses the button that has the keyboard focus; while no button has
// it, Enter presses the window's default button (the one its form marks as
// default), and does nothing in a window without one.
//
// Forms hold whole point sizes; a widget whose designed size is fractional
// carries it in its "pointSizeF" property, applied before the first showing.
class FormWindow : public QDialog {
    Q_OBJECT

public:
    explicit FormWindow(QWidget* owner);

    // Closes the window; Form_Unload runs first.
    void unload();

    virtual void Form_Unload() = 0;

protected:
    void setCancelButton(QPushButton* button);

    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* enterButton() const;

    QPushButton* m_cancelButton = nullptr;
    bool m_unloaded = false;
    bool m_shown = false;
};
