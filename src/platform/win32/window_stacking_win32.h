#pragma once

// Qt-free: Win32 only, so that it also builds with the mingw-w64 cross compiler.

#include <windows.h>

#include <vector>

// One stacking step for the main window: when another window is in the
// foreground, that window loses its topmost state (HWND_NOTOPMOST) and the main
// window goes to the top of the topmost band (HWND_TOPMOST), neither moved nor
// sized (flags 3). The panel's other open windows (its settings windows, menus
// and tooltips) then go back above the main window in their order, without
// taking the foreground. The results are ignored.
void win32StackingStep(HWND mainWindow, const std::vector<HWND>& panelWindows);
