#pragma once

#include <string>
#include <string_view>

// The stand-in node and client share one thing, as a real node's programs do: the -conf file they are both
// given. The client asks the node to stop by creating this file beside it; "" without a -conf argument.
inline std::wstring stopRequestFile(int argc, wchar_t* argv[])
{
    constexpr std::wstring_view option = L"-conf=";
    for (int i = 1; i < argc; ++i)
        if (std::wstring_view(argv[i]).starts_with(option))
            return std::wstring(argv[i] + option.size()) + L".stop";
    return {};
}
