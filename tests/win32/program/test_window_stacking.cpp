#include "platform/win32/window_stacking_win32.h"
#include "support.h"

namespace {

bool isTopmost(HWND window)
{
    return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

HWND openWindow(HWND owner = nullptr)
{
    return ::CreateWindowExW(0, L"STATIC", L"quorlin", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
        owner, nullptr, nullptr, nullptr);
}

// A menu as Qt opens one: a topmost popup that no window owns, shown without taking the foreground.
HWND openMenu()
{
    const HWND menu = ::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"menu", WS_POPUP | WS_BORDER, 120, 120,
        100, 60, nullptr, nullptr, nullptr, nullptr);
    ::ShowWindow(menu, SW_SHOWNOACTIVATE);
    return menu;
}

// Whether `upper` comes before `lower` walking down the desktop's z-order.
bool above(HWND upper, HWND lower)
{
    for (HWND window = ::GetTopWindow(nullptr); window; window = ::GetWindow(window, GW_HWNDNEXT)) {
        if (window == upper)
            return true;
        if (window == lower)
            return false;
    }
    return false;
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
    win32StackingStep(main, {});
    check(isTopmost(main) && !isTopmost(other), "stacking makes the main window topmost, the other not");

    // The panel's settings window (owned by the main window) and a menu of the panel stay above the main
    // window, in their order.
    const HWND settings = openWindow(main);
    const HWND menu = openMenu();
    ::SetWindowPos(other, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    ::SetForegroundWindow(other);
    win32StackingStep(main, { settings, menu });
    check(above(menu, settings) && above(settings, main) && above(main, other) && !isTopmost(other),
        "stacking keeps the panel's own windows above the main window");
    ::DestroyWindow(menu);
    ::DestroyWindow(settings);

    // The main window in front: the step changes nothing.
    ::SetWindowPos(main, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    ::SetForegroundWindow(main);
    win32StackingStep(main, {});
    check(!isTopmost(main), "stacking does nothing while the main window is in front");

    ::DestroyWindow(other);
    ::DestroyWindow(main);
}
