#include <gtest/gtest.h>

#include <string>

#include "model/catalogue.h"

namespace zarn {
namespace {

TEST(Catalogue, StoredWidthSelectsARowOnlyByExactText) {
    EXPECT_EQ(ResolutionRowForStoredWidth("640"), 0);
    EXPECT_EQ(ResolutionRowForStoredWidth("1152"), 3);
    EXPECT_EQ(ResolutionRowForStoredWidth("1600"), 4);
    for (const char* text : {"01024", " 1024", "1024 ", "1280", "", "1024x768"})
        EXPECT_EQ(ResolutionRowForStoredWidth(text), std::nullopt) << text;
}

TEST(Catalogue, StoredDepthSelectsARowByNumericValue) {
    EXPECT_EQ(ColourRowForStoredDepth("4"), 0);
    EXPECT_EQ(ColourRowForStoredDepth("15"), 2);
    EXPECT_EQ(ColourRowForStoredDepth("16"), 3);
    EXPECT_EQ(ColourRowForStoredDepth("016"), 3);
    EXPECT_EQ(ColourRowForStoredDepth("24"), 4);
    EXPECT_EQ(ColourRowForStoredDepth("32"), 5);
    for (const char* text : {"", "abc", "12", "99999999999999999999"})
        EXPECT_EQ(ColourRowForStoredDepth(text), std::nullopt) << text;
}

TEST(Catalogue, RowsCarryTheirWidthHeightAndDepth) {
    EXPECT_EQ(kResolutionRows[4].height, 1200);
    for (const auto& row : kResolutionRows)  // the height stored is the one the row shows
        EXPECT_EQ(row.text, std::to_string(row.width) + "x" + std::to_string(row.height));
    EXPECT_EQ(kColourRows[4].text, "24-bit, 16.7M colours");
    EXPECT_EQ(kColourRows[5].text, "32-bit, 16.7M colours");
    EXPECT_EQ(kColourRows[4].bitsPerPixel, 24);
    EXPECT_EQ(kColourRows[5].bitsPerPixel, 32);
}

}  // namespace
}  // namespace zarn
