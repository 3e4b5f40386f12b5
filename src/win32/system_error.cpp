#include "win32/system_error.h"

#include "base/blanks.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace zarn::win32 {

std::string SystemText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD n =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const UniqueLocal owner(buffer);
    // Windows' texts end with a line end, which the box would show.
    std::string text(Trimmed(n && buffer ? Narrow(std::wstring_view(buffer, n)) : "", IsPathBlank));
    if (text.empty()) text = "System error " + std::to_string(code);
    return text;
}

RuntimeError SystemError(DWORD code, std::string_view what) {
    return error::InvalidCall(std::string(what) + ": " + SystemText(code));
}

}  // namespace zarn::win32
