#include "model/catalogue.h"

#include "base/numbers.h"

namespace zarn {

std::optional<int> ResolutionRowForStoredWidth(std::string_view screenX) {
    for (std::size_t row = 0; row < kResolutionRows.size(); ++row)
        if (kResolutionRows[row].storedWidth == screenX) return static_cast<int>(row);
    return std::nullopt;
}

std::optional<int> ColourRowForStoredDepth(std::string_view bitRes) {
    const auto value = ParseWholeNumber(bitRes);
    if (!value) return std::nullopt;
    for (std::size_t row = 0; row < kColourRows.size(); ++row)
        if (kColourRows[row].bitsPerPixel == *value) return static_cast<int>(row);
    return std::nullopt;
}

}  // namespace zarn
