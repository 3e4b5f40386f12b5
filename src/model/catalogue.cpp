#include "model/catalogue.h"

#include "base/numbers.h"

namespace zarn {

std::optional<int> ResolutionRowForStoredWidth(std::string_view screenX) {
    for (std::size_t row = 0; row < kResolutionRows.size(); ++row)
        if (kResolutionRows[row].storedWidth == screenX) return static_cast<int>(row);
    return std::nullopt;
}

std::optional<int> DepthRowForStored(std::string_view storedDepth) {
    const auto value = ParseWholeNumber(storedDepth);
    if (!value) return std::nullopt;
    for (std::size_t row = 0; row < kDepthRows.size(); ++row)
        if (kDepthRows[row].depth == *value) return static_cast<int>(row);
    return std::nullopt;
}

}  // namespace zarn
