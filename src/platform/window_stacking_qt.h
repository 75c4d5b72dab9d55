#pragma once

#include "window_stacking.h"

// The stacking step for desktops without SetWindowPos (X11, Wayland, macOS):
// the main window takes the stays-on-top state the first time it is missing
// and keeps it until the program ends, even while one of the panel's own
// windows is in front; every step raises it. The panel's other windows, its
// tooltips and menus stay above it: a window manager keeps owned windows over
// their owner, and on a bare X display the step stacks them itself. The native
// window is never re-created, so its id stays and no click on it is lost.
class QtWindowStacking final : public WindowStacking {
public:
    void stackingStep(QWidget& mainWindow) override;
};
