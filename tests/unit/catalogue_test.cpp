#include <gtest/gtest.h>

#include "base/errors.h"
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
    EXPECT_EQ(HeightForWidth(1152), 864);
    EXPECT_EQ(HeightForWidth(1600), 1200);
    EXPECT_EQ(kColourRows[4].text, "24-bit, 16.7M colours");
    EXPECT_EQ(kColourRows[5].text, "32-bit, 16.7M colours");
    EXPECT_EQ(kColourRows[4].bitsPerPixel, 24);
    EXPECT_EQ(kColourRows[5].bitsPerPixel, 32);
    EXPECT_THROW(HeightForWidth(1280), RuntimeError);
}

}  // namespace
}  // namespace zarn
