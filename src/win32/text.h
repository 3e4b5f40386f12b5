#pragma once
// UTF-8 inside the program, UTF-16 at the Windows API. The conversion is
// lossless both ways: unpaired surrogates survive (see base/wtf8.h).

#include <windows.h>

#include <string>
#include <string_view>

namespace zarn::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// A window's text, as Windows holds it.
std::wstring WindowText(HWND window);

}  // namespace zarn::win32
