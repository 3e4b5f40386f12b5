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

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace zarn::win32
