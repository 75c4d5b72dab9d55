#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

// Every check prints one line; the run ends with the line "N passed, N failed".
void check(bool ok, const std::string& what);

std::string utf8(const std::wstring& text);
std::wstring ownPath();

// Polls `condition` for up to a minute; whether it came to hold.
template <typename Condition> bool eventually(Condition condition)
{
    for (int i = 0; i < 600 && !condition(); ++i)
        ::Sleep(100);
    return condition();
}

void testProcessQuery(const std::filesystem::path& temp);
void testProcessLauncher(const std::filesystem::path& temp);
void testWindowStacking();
void testAppIcon();
