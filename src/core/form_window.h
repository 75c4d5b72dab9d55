#pragma once

#include "window_placement.h"

#include <QDialog>

class QPushButton;

// The base of every window: a dialog placed from its stored position, whose
// unload step runs exactly once, whichever way it closes (a button, Enter or
// Esc, the close box, the system shutting down), and stores the position
// before the window's own Form_Unload. A window with a cancel button closes
// on Esc by pressing that button, so the button's own handler runs; a window
// without one ignores Esc.
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
    FormWindow(QWidget* owner, SettingsStore& store, const WindowGeometryKeys& placement);

    // Closes the window; the unload step runs first. What the window and its
    // unload step store is written to the store once.
    void unload();

protected:
    // The window's own part of unloading, after its position is stored.
    virtual void Form_Unload() { }

    void restorePlacement();
    void savePosition();
    // A close button that stores the position itself before the unload step
    // stores it again: the second write repeats the first, and the store is
    // written once.
    void savePositionAndUnload();
    void setCancelButton(QPushButton* button);

    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* enterButton() const;

    SettingsStore& m_store;
    const WindowGeometryKeys& m_placement;
    QPushButton* m_cancelButton = nullptr;
    bool m_unloaded = false;
    bool m_shown = false;
};
