#include "check.h"

#include <windows.h>

#include <set>

namespace {

// The icon group directory as a resource stores it (GRPICONDIR / GRPICONDIRENTRY).
#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width; // 0 stands for 256
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    WORD id;
};
struct IconGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
#pragma pack(pop)

std::set<int> iconSizes(const wchar_t* name)
{
    const HRSRC found = ::FindResourceW(nullptr, name, MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    const HGLOBAL loaded = found ? ::LoadResource(nullptr, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
    std::set<int> sizes;
    if (!bytes)
        return sizes;
    const auto* header = reinterpret_cast<const IconGroupHeader*>(bytes);
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(bytes + sizeof(IconGroupHeader));
    for (WORD i = 0; i < header->count; ++i)
        sizes.insert(entries[i].width == 0 ? 256 : entries[i].width);
    return sizes;
}

} // namespace

// The program's icon resource, as Qt looks it up for the window icon.
void testAppIcon()
{
    const std::set<int> sizes = iconSizes(L"IDI_ICON1");
    for (const int size : { 16, 32, 48, 256 })
        check(sizes.count(size) == 1,
            "the icon resource IDI_ICON1 holds a " + std::to_string(size) + " pixel image");
    const HANDLE icon = ::LoadImageW(::GetModuleHandleW(nullptr), L"IDI_ICON1", IMAGE_ICON, 32, 32, 0);
    check(icon != nullptr, "the icon resource IDI_ICON1 loads as an icon");
    if (icon)
        ::DestroyIcon(static_cast<HICON>(icon));
}
