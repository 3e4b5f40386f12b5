#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"
#include "startup/catalogue.h"
#include "startup/form_load.h"

namespace zarn {
namespace {

struct StartUp : ::testing::Test {
    fake::Log log;
    fake::Settings settings{log};
    fake::View view{log};

    void Load(std::string_view arguments) { Form_Load(view, settings, arguments); }
    bool LaunchedDirectly() const { return !view.runs.empty(); }
};

TEST_F(StartUp, FirstStartShowsTheDialogOnFirstRowsWithEmptyPathAndBoxClear) {
    Load("");
    EXPECT_TRUE(view.shown);
    EXPECT_TRUE(view.loaded);
    EXPECT_EQ(view.resolutionRow, 0);
    EXPECT_EQ(view.colourRow, 0);
    EXPECT_EQ(view.pathText, "");
    EXPECT_EQ(view.checkValue, 0);
    EXPECT_FALSE(LaunchedDirectly());
}

TEST_F(StartUp, FillsTheDialogFromStoredSettingsBeforeDeciding) {
    settings.values = {{"ScreenX", "1152"}, {"BitRes", "16"}, {"ZarnPath", "D:\\Games\\zarnsl.exe"}};
    Load("");
    EXPECT_EQ(view.resolutionRow, 3);
    EXPECT_EQ(view.colourRow, 3);
    EXPECT_EQ(view.pathText, "D:\\Games\\zarnsl.exe");
    EXPECT_EQ(log, (fake::Log{"show", "get ScreenX", "get BitRes", "get ZarnPath", "get ShowRes"}));
}

TEST_F(StartUp, ShowResElevenLaunchesTheDefaultGameWithTheArgumentsAfterClosing) {
    settings.values["ShowRes"] = "11";
    Load("-window -skip intro");
    ASSERT_EQ(view.runs, (std::vector<std::string>{"C:\\Colvane\\Vantreel\\zarnsl.exe|-window -skip intro"}));
    EXPECT_EQ(view.checkValue, 1);
    EXPECT_EQ(log.back(), "runshell C:\\Colvane\\Vantreel\\zarnsl.exe|-window -skip intro");
    EXPECT_EQ(log[log.size() - 2], "unload");
}

TEST_F(StartUp, DirectLaunchWithoutArgumentsKeepsTheTrailingBlank) {
    settings.values["ShowRes"] = "11";
    Load("");
    EXPECT_EQ(view.runs, (std::vector<std::string>{"C:\\Colvane\\Vantreel\\zarnsl.exe|"}));
}

TEST_F(StartUp, DirectLaunchIgnoresTheStoredPath) {
    settings.values = {{"ShowRes", "11"}, {"ZarnPath", "D:\\Other\\zarnsl.exe"}};
    Load("-x");
    EXPECT_EQ(view.runs, (std::vector<std::string>{"C:\\Colvane\\Vantreel\\zarnsl.exe|-x"}));
}

TEST_F(StartUp, SwitchAfterTheFirstCharacterKeepsTheDialogWithBoxClear) {
    settings.values["ShowRes"] = "11";
    for (const char* args : {"-w /res", " /res", "-w /resolution"}) {
        view = fake::View(log);
        Load(args);
        EXPECT_FALSE(LaunchedDirectly()) << args;
        EXPECT_TRUE(view.loaded) << args;
        EXPECT_EQ(view.checkValue, 0) << args;
    }
    // ShowRes is not even read when the switch keeps the dialog.
    EXPECT_EQ(std::count(log.begin(), log.end(), "get ShowRes"), 0);
}

TEST_F(StartUp, SwitchAtTheVeryStartDoesNotForceTheDialog) {
    settings.values["ShowRes"] = "11";
    Load("/res");
    EXPECT_EQ(view.runs, (std::vector<std::string>{"C:\\Colvane\\Vantreel\\zarnsl.exe|/res"}));
}

TEST_F(StartUp, SwitchFirstAndAgainLaterCountsAsFirst) {
    settings.values["ShowRes"] = "11";
    Load("/res -w /res");
    EXPECT_TRUE(LaunchedDirectly());
}

TEST_F(StartUp, SwitchInCapitalsIsNotTheSwitch) {
    settings.values["ShowRes"] = "11";
    Load("-w /RES");
    EXPECT_EQ(view.runs, (std::vector<std::string>{"C:\\Colvane\\Vantreel\\zarnsl.exe|-w /RES"}));
}

TEST_F(StartUp, OnlyExactlyElevenSkipsTheDialog) {
    for (const char* showRes : {"00", "1", "11 ", " 11", "111", ""}) {
        settings.values["ShowRes"] = showRes;
        view = fake::View(log);
        view.checkValue = 1;
        Load("");
        EXPECT_FALSE(LaunchedDirectly()) << '"' << showRes << '"';
        EXPECT_EQ(view.checkValue, 0) << '"' << showRes << '"';
    }
}

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

TEST_F(StartUp, UnusableStoredValuesLeaveTheFirstRows) {
    settings.values = {{"ScreenX", "01024"}, {"BitRes", "sixteen"}};
    Load("");
    EXPECT_EQ(view.resolutionRow, 0);
    EXPECT_EQ(view.colourRow, 0);
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
