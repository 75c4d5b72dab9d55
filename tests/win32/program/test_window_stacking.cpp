#include "platform/win32/window_stacking_win32.h"
#include "support.h"

namespace {

bool isTopmost(HWND window)
{
    return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void setTopmost(HWND window, bool topmost)
{
    ::SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

} // namespace

void testWindowStacking()
{
    HWND windows[2];
    for (HWND& window : windows)
        window = ::CreateWindowExW(0, L"STATIC", L"quorlin", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300,
            200, nullptr, nullptr, nullptr, nullptr);
    const auto [main, other] = windows;
    check(main && other, "stacking: the test program opens two real windows");
    if (!main || !other)
        return;

    // Another program's window is in front and topmost.
    setTopmost(other, true);
    ::SetForegroundWindow(other);
    check(::GetForegroundWindow() == other, "stacking: the other window is in the foreground");
    win32StackingStep(main);
    check(isTopmost(main), "stacking leaves the main window topmost");
    check(!isTopmost(other), "stacking takes the topmost state from the window in front");

    // The main window in front: the step changes nothing.
    setTopmost(main, false);
    ::SetForegroundWindow(main);
    check(::GetForegroundWindow() == main, "stacking: the main window is in the foreground");
    win32StackingStep(main);
    check(!isTopmost(main), "stacking does nothing while the main window is in front");

    ::DestroyWindow(other);
    ::DestroyWindow(main);
}
