#pragma once

#include "window_stacking.h"

// The stacking step for desktops without SetWindowPos (X11, Wayland, macOS):
// the main window takes the stays-on-top state the first time it is missing
// and keeps it until the program ends; every step raises it, unless a window
// it owns is the one the user works in. The native window is never re-created,
// so its id stays and no click on it is lost.
class QtWindowStacking final : public WindowStacking {
public:
    void stackingStep(QWidget& mainWindow) override;
};
