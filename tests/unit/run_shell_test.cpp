#include <gtest/gtest.h>

#include "fakes.h"
#include "game/run_shell.h"

namespace zarn {
namespace {

struct GameRun : ::testing::Test, fake::GameWorld {
    GameRun() {
        settings.values = {{"ScreenX", "1024"}, {"ScreenY", "768"}, {"BitRes", "16"}};
        display.modes = {{800, 600, 16, 60}, {1024, 768, 16, 60}};
    }

    int ErrorOfRun() {
        try {
            RunShell("C:\\Colvane\\Vantreel\\zarnsl.exe -x", services);
        } catch (const RuntimeError& e) {
            return e.number();
        }
        return 0;
    }
};

TEST_F(GameRun, WaitsForTheGameThenReadsTheSettingsAndSwitches) {
    launcher.passesUntilEnd = 2;
    RunShell("C:\\Colvane\\Vantreel\\zarnsl.exe -x", services);
    EXPECT_EQ(log, (fake::Log{"start C:\\Colvane\\Vantreel\\zarnsl.exe -x",
                              "poll", "doevents", "wait",
                              "poll", "doevents", "wait",
                              "poll", "doevents",
                              "close",
                              "get ScreenX", "get ScreenY", "get BitRes",
                              "apply 1024x768x16",
                              "box The display settings change was successful"}));
}

TEST_F(GameRun, AGameThatHasAlreadyEndedStillGetsOnePass) {
    launcher.passesUntilEnd = 0;
    RunShell("zarnsl.exe ", services);
    EXPECT_EQ(std::vector<std::string>(log.begin() + 1, log.begin() + 4),
              (std::vector<std::string>{"poll", "doevents", "close"}));
}

TEST_F(GameRun, UsesWhatWasStoredWhileTheGameRan) {
    launcher.passesUntilEnd = 1;
    pump.onDoEvents = [&] { settings.values["ScreenX"] = "800"; settings.values["ScreenY"] = "600"; };
    RunShell("zarnsl.exe ", services);
    ASSERT_EQ(display.applied.size(), 1u);
    EXPECT_EQ(display.applied[0].width, 800);
}

TEST_F(GameRun, AGameThatCannotStartReadsNoSettingsAndSwitchesNothing) {
    launcher.failStart = true;
    EXPECT_EQ(ErrorOfRun(), 53);
    EXPECT_EQ(log, (fake::Log{"start C:\\Colvane\\Vantreel\\zarnsl.exe -x"}));
}

TEST_F(GameRun, MissingWidthIsATypeMismatchAfterTheGameEnded) {
    settings.values.erase("ScreenX");
    EXPECT_EQ(ErrorOfRun(), 13);
    EXPECT_TRUE(display.applied.empty());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(std::count(log.begin(), log.end(), "close"), 1);
}

TEST_F(GameRun, ConvertsDepthFirstThenHeightThenWidth) {
    settings.values = {{"ScreenX", "99999"}, {"ScreenY", "768"}, {"BitRes", ""}};
    EXPECT_EQ(ErrorOfRun(), 13);  // BitRes decides, though ScreenX would overflow
    settings.values = {{"ScreenX", "abc"}, {"ScreenY", "70000"}, {"BitRes", "16"}};
    EXPECT_EQ(ErrorOfRun(), 6);
    settings.values = {{"ScreenX", "99999"}, {"ScreenY", "768"}, {"BitRes", "16"}};
    EXPECT_EQ(ErrorOfRun(), 6);
    EXPECT_TRUE(display.applied.empty());
}

}  // namespace
}  // namespace zarn
