#include "window_stacking_win32.h"

namespace {
constexpr UINT kNoSizeNoMove = SWP_NOSIZE | SWP_NOMOVE; // 3
}

void win32StackingStep(HWND mainWindow)
{
    const HWND foreground = ::GetForegroundWindow();
    if (foreground == mainWindow)
        return;
    ::SetWindowPos(foreground, HWND_NOTOPMOST, 0, 0, 0, 0, kNoSizeNoMove);
    ::SetWindowPos(mainWindow, HWND_TOPMOST, 0, 0, 0, 0, kNoSizeNoMove);
}
