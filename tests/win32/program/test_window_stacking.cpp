#include "platform/win32/window_stacking_win32.h"
#include "support.h"

namespace {

bool isTopmost(HWND window)
{
    return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

HWND openWindow()
{
    return ::CreateWindowExW(0, L"STATIC", L"quorlin", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
        nullptr, nullptr, nullptr, nullptr);
}

} // namespace

void testWindowStacking()
{
    const HWND main = openWindow();
    const HWND other = openWindow();
    check(main && other, "stacking: two real windows open");
    if (!main || !other)
        return;

    // Another program's window is in front and topmost: the step takes its place.
    ::SetWindowPos(other, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    ::SetForegroundWindow(other);
    win32StackingStep(main);
    check(isTopmost(main) && !isTopmost(other), "stacking makes the main window topmost, the other not");

    // The main window in front: the step changes nothing.
    ::SetWindowPos(main, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    ::SetForegroundWindow(main);
    win32StackingStep(main);
    check(!isTopmost(main), "stacking does nothing while the main window is in front");

    ::DestroyWindow(other);
    ::DestroyWindow(main);
}
