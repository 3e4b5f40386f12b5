#pragma once
// Text-to-number rules for stored settings.

#include <cstdint>
#include <optional>
#include <string_view>

namespace zarn {

// A whole decimal number: optional blanks around it, an optional sign, digits.
// Anything else (empty text included) is not a number. Values too large for
// 64 bits saturate, so callers still see them as out of range.
std::optional<std::int64_t> ParseWholeNumber(std::string_view text);

// Stored text to a signed 16-bit integer: type mismatch (13) for text that is not
// a number, overflow (6) for a number outside -32768..32767.
std::int16_t ToInteger16(std::string_view text);

}  // namespace zarn
