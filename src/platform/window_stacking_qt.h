#pragma once

#include "window_stacking.h"

// The stacking step for desktops without SetWindowPos (X11, Wayland, macOS):
// the first time another window is in front, the main window takes the
// stays-on-top hint and keeps it until the program ends; every step raises it.
class QtWindowStacking final : public WindowStacking {
public:
    void stackingStep(QWidget& mainWindow) override;
};
