#include "win32/text.h"

#include "base/wtf8.h"

namespace zarn::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wchar_t is a UTF-16 unit");

std::wstring Widen(std::string_view utf8) {
    const std::u16string units = Wtf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}

std::string Narrow(std::wstring_view utf16) {
    const std::u16string units(utf16.begin(), utf16.end());
    return Utf16ToWtf8(units);
}

}  // namespace zarn::win32
