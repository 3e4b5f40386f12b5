#include <gtest/gtest.h>

#include <string>

#include "model/catalogue.h"

namespace zarn {
namespace {

// The lists as the read-mes give them to players, in the dialog's order.
constexpr std::string_view kResolutions[] = {"640x480", "800x600", "1024x768", "1152x864", "1600x1200"};
constexpr int kDepths[] = {4, 8, 15, 16, 24, 32};
static_assert(std::size(kResolutions) == kResolutionRows.size() && std::size(kDepths) == kDepthRows.size());

TEST(Catalogue, StoredWidthSelectsARowOnlyByExactText) {
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(ResolutionRowForStoredWidth(kResolutions[row].substr(0, kResolutions[row].find('x'))), row);
    for (const char* text : {"01024", " 1024", "1024 ", "1280", "", "1024x768"})
        EXPECT_EQ(ResolutionRowForStoredWidth(text), std::nullopt) << text;
}

TEST(Catalogue, StoredDepthSelectsARowByNumericValue) {
    for (int row = 0; row < 6; ++row) EXPECT_EQ(DepthRowForStored(std::to_string(kDepths[row])), row);
    EXPECT_EQ(DepthRowForStored("016"), 3);
    for (const char* text : {"", "abc", "12", "99999999999999999999"})
        EXPECT_EQ(DepthRowForStored(text), std::nullopt) << text;
}

// A row shows its width and height, or its depth and its colours: 2 to the depth, 24 bits at most ("16.7M").
TEST(Catalogue, RowsCarryTheirWidthHeightAndDepth) {
    for (std::size_t row = 0; row < kResolutionRows.size(); ++row) {
        const auto& [text, storedWidth, width, height] = kResolutionRows[row];
        EXPECT_EQ(text, kResolutions[row]);
        EXPECT_EQ(std::to_string(width) + "x" + std::to_string(height), text);
    }
    for (const auto& [text, depth] : kDepthRows)
        EXPECT_EQ(text,
                  std::to_string(depth) + "-bit, " + (depth < 24 ? std::to_string(1 << depth) : "16.7M") + " colours");
}

}  // namespace
}  // namespace zarn
