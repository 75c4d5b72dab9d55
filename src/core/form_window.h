#pragma once

#include <QDialog>

class QPushButton;

// The base of every window: a dialog whose unload step runs exactly once,
// whichever way it closes (a button, Enter or Esc, the close box, the system
// shutting down). A window with a cancel button closes on Esc by pressing that
// button, so the button's own handler runs; a window without one ignores Esc.
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

private:
    QPushButton* m_cancelButton = nullptr;
    bool m_unloaded = false;
};
