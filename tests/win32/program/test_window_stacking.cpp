#include "check.h"
#include "platform/win32/window_stacking_win32.h"

namespace {

bool isTopmost(HWND window)
{
    return (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

HWND createWindow(const wchar_t* title)
{
    static const wchar_t* const kClass = L"QuorlinStackingTest";
    static const ATOM registered = [] {
        WNDCLASSW windowClass {};
        windowClass.lpfnWndProc = ::DefWindowProcW;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClass;
        return ::RegisterClassW(&windowClass);
    }();
    if (!registered)
        return nullptr;
    return ::CreateWindowExW(0, kClass, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
        nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

void setTopmost(HWND window, bool topmost)
{
    ::SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

} // namespace

void testWindowStacking()
{
    const HWND main = createWindow(L"main");
    const HWND other = createWindow(L"other");
    check(main && other, "stacking: the test program opens two real windows");
    if (!main || !other)
        return;

    // Another program's window is in front and topmost.
    setTopmost(main, false);
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
