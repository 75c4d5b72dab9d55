#include "window_stacking_win32.h"

#include <algorithm>

namespace {

constexpr UINT kNoSizeNoMove = SWP_NOSIZE | SWP_NOMOVE; // 3

// The given windows that are showing, from the bottom of the desktop's z-order up.
std::vector<HWND> shownBottomFirst(const std::vector<HWND>& windows)
{
    std::vector<HWND> topFirst;
    for (HWND window = ::GetTopWindow(nullptr); window; window = ::GetWindow(window, GW_HWNDNEXT))
        if (::IsWindowVisible(window) && std::find(windows.begin(), windows.end(), window) != windows.end())
            topFirst.push_back(window);
    return { topFirst.rbegin(), topFirst.rend() };
}

} // namespace

void win32StackingStep(HWND mainWindow, const std::vector<HWND>& panelWindows)
{
    const HWND foreground = ::GetForegroundWindow();
    if (foreground == mainWindow)
        return;
    // Windows keeps owned windows over their owner, but the main window goes
    // above the panel's windows it does not own, such as a menu opened as a
    // topmost popup of its own; they go back above it in their order.
    const std::vector<HWND> panelOrder = shownBottomFirst(panelWindows);
    ::SetWindowPos(foreground, HWND_NOTOPMOST, 0, 0, 0, 0, kNoSizeNoMove);
    ::SetWindowPos(mainWindow, HWND_TOPMOST, 0, 0, 0, 0, kNoSizeNoMove);
    for (const HWND window : panelOrder)
        ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kNoSizeNoMove | SWP_NOACTIVATE);
}
