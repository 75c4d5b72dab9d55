#include "support.h"

// The program's icon resource, as Qt looks it up for the window icon.
void testAppIcon()
{
    const HANDLE icon = ::LoadImageW(::GetModuleHandleW(nullptr), L"IDI_ICON1", IMAGE_ICON, 256, 256, 0);
    check(icon != nullptr, "the icon resource IDI_ICON1 loads as an icon");
    ::DestroyIcon(static_cast<HICON>(icon));
}
