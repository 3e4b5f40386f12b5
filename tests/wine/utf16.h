#pragma once
// UTF-16 text of the Windows API to and from the UTF-8 the tools print and log,
// by the program's own lossless conversion: unpaired surrogates survive both
// ways. Shared by the stand-in game and the UI driver.

#include <string>
#include <string_view>

#include "base/wtf8.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wchar_t is a UTF-16 unit");

inline std::string Narrow(std::wstring_view utf16) {
    const std::u16string units(utf16.begin(), utf16.end());
    return zarn::Utf16ToWtf8(units);
}

inline std::wstring Widen(std::string_view utf8) {
    const std::u16string units = zarn::Wtf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}
