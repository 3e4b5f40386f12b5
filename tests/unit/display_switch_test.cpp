#include <gtest/gtest.h>

#include <tuple>

#include "display/display_switch.h"
#include "fakes.h"

namespace zarn {
namespace {

struct DisplaySwitch : ::testing::Test, fake::GameWorld {
    bool Apply(std::int16_t w, std::int16_t h, std::int16_t b) { return ApplyScreenMode(w, h, b, display, boxes); }
};

TEST_F(DisplaySwitch, FirstMatchWinsWithItsOwnRefreshRate) {
    display.modes = {{640, 480, 16, 60}, {800, 600, 16, 60},  {1024, 768, 8, 60}, {1024, 768, 32, 60},
                     {800, 600, 32, 60}, {1024, 768, 16, 60}, {1024, 768, 16, 75}};
    Apply(1024, 768, 16);
    ASSERT_EQ(display.applied.size(), 1u);
    EXPECT_EQ(display.applied[0].frequency, 60u);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "The display settings change was successful");
    EXPECT_EQ(boxes.shown[0].style, BoxStyle::Information);
}

// A mode matches when width, height and depth all agree, the depth by its low 16 bits
// as a signed value; without a match nothing is applied, and the box says so.
TEST_F(DisplaySwitch, AModeMatchesOnlyWhenAllThreeValuesAgree) {
    const struct {
        std::vector<DisplayMode> modes;
        int width, height, depth;
        bool applies;
    } cases[] = {
        {{{1024, 768, 8, 60}, {1024, 768, 32, 60}, {768, 1024, 16, 60}}, 1024, 768, 16, false},
        {{}, 640, 480, 8, false},
        {{{800, 600, 0x10010, 60}}, 800, 600, 16, true},
        {{{65535, 600, 16, 60}}, -1, 600, 16, false},
    };
    for (const auto& c : cases) {
        display.modes = c.modes;
        display.applied.clear();
        boxes.shown.clear();
        EXPECT_EQ(Apply(c.width, c.height, c.depth), c.applies) << c.width;
        EXPECT_EQ(display.applied.size(), c.applies ? 1u : 0u) << c.width;
        ASSERT_EQ(boxes.shown.size(), 1u);
        if (c.applies) continue;
        EXPECT_EQ(boxes.shown[0].text, "No display mode of " + std::to_string(c.width) + "x" +
                                           std::to_string(c.height) + " at " + std::to_string(c.depth) +
                                           " bits per pixel is available");
        EXPECT_EQ(boxes.shown[0].style, BoxStyle::Critical);
    }
}

// Each answer by its documented code (DISP_CHANGE_*), with the read-mes' text for it; only 0 counts as switched.
TEST_F(DisplaySwitch, EachAnswerOfThePlatformHasItsMessageAndIcon) {
    const std::tuple<int, ChangeResult, const char*, BoxStyle> cases[] = {
        {0, ChangeResult::Successful, "The display settings change was successful", BoxStyle::Information},
        {1, ChangeResult::Restart, "The computer must be restarted in order for the graphics mode to work",
         BoxStyle::Question},
        {-1, ChangeResult::Failed, "The display driver failed the specified graphics mode", BoxStyle::Critical},
        {-2, ChangeResult::BadMode, "The graphics mode is not supported", BoxStyle::Critical},
        {-3, ChangeResult::NotUpdated, "Unable to write settings to the registry", BoxStyle::Critical},
        {-4, ChangeResult::BadFlags, "An invalid set of flags was passed in", BoxStyle::Critical},
    };
    display.modes = {{1152, 864, 16, 60}};
    for (const auto& [code, answer, text, style] : cases) {
        boxes.shown.clear();
        display.answer = answer;
        EXPECT_EQ(Apply(1152, 864, 16), code == 0) << code;
        ASSERT_EQ(boxes.shown.size(), 1u) << code;
        EXPECT_EQ(boxes.shown[0].text, text) << code;
        EXPECT_EQ(boxes.shown[0].style, style) << code;
    }
}

TEST_F(DisplaySwitch, OtherAnswersAreNotReportedAndNotASwitch) {
    display.modes = {{1152, 864, 16, 60}};
    display.answer = ChangeResult::Other;
    EXPECT_FALSE(Apply(1152, 864, 16));
    EXPECT_EQ(display.applied.size(), 1u);
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace zarn
