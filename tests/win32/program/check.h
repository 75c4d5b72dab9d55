#pragma once

#include <string>

// A small harness for the Win32 test program: every check prints one line,
// and the run ends with the line "N passed, N failed".

void check(bool ok, const std::string& what);

// Prints the totals; the program's exit code (0 when nothing failed).
int finishChecks();

std::string utf8(const std::wstring& text);
