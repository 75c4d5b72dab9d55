#pragma once

class QWidget;

// Keeps the main window above the other windows of the desktop.
class WindowStacking {
public:
    virtual ~WindowStacking() = default;

    // One step, run once a second while always-on-top is on: when another
    // window is in front, it loses any topmost state and the main window goes
    // to the top of the topmost band. The panel's other open windows, its
    // tooltips and menus stay above the main window.
    virtual void stackingStep(QWidget& mainWindow) = 0;
};
