// Fuzzes the UTF-16 / WTF-8 conversion. The same input is read two ways:
// as UTF-16 (bytes taken in pairs, little-endian), which must come back
// unchanged through WTF-8; and as WTF-8 bytes, which must decode without a
// crash to as many units as Utf16Length counts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/wtf8.h"

namespace {

void Check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string utf16;
    for (std::size_t i = 0; i + 1 < size; i += 2) utf16.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    const std::string inner = zarn::Utf16ToWtf8(utf16);
    Check(zarn::Wtf8ToUtf16(inner) == utf16, "UTF-16 comes back unchanged through WTF-8");
    Check(zarn::Utf16Length(inner) == utf16.size(), "Utf16Length counts the units that went in");
    Check(inner.size() <= 3 * utf16.size(), "at most three bytes a unit");

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string decoded = zarn::Wtf8ToUtf16(bytes);
    Check(zarn::Utf16Length(bytes) == decoded.size(), "Utf16Length agrees with the decoding");
    Check(decoded.size() <= bytes.size(), "no byte decodes to more than one unit");
    Check(zarn::Wtf8ToUtf16(zarn::Utf16ToWtf8(decoded)) == decoded, "a decoded text round-trips");
    if (bytes.find('\0') == std::string_view::npos)
        Check(decoded.find(u'\0') == std::u16string::npos, "no NUL appears from bytes that hold none");
    return 0;
}
