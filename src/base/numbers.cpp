#include "base/numbers.h"

#include <limits>

#include "base/blanks.h"
#include "base/errors.h"

namespace zarn {

std::optional<std::int64_t> ParseWholeNumber(std::string_view text) {
    text = Trimmed(text, IsBlank);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    constexpr std::int64_t kCap = std::numeric_limits<std::int64_t>::max() / 10 - 10;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        if (value < kCap) value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::int16_t ToInteger16(std::string_view text) {
    const auto value = ParseWholeNumber(text);
    if (!value) throw error::TypeMismatch();
    if (*value < std::numeric_limits<std::int16_t>::min() || *value > std::numeric_limits<std::int16_t>::max())
        throw error::Overflow();
    return static_cast<std::int16_t>(*value);
}

}  // namespace zarn
