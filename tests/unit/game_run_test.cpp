#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"
#include "game/game_run.h"

namespace zarn {
namespace {

using fake::kGame;

struct GameRun : ::testing::Test, fake::GameWorld {
    GameRun() {
        settings.values = {{"ScreenX", "1024"}, {"ScreenY", "768"}, {"BitRes", "16"}};
        display.modes = {{800, 600, 16, 60}, {1024, 768, 16, 60}};
    }

    RuntimeError ErrorOfRun() {
        return fake::ErrorOf([&] { RunGameThenSwitchMode(kGame, "-x", services); });
    }
};

// The game is let run only after it was checked, the process is released before the first setting is read, and
// messages are handled after the game has ended too.
TEST_F(GameRun, WaitsForTheGameThenReadsTheSettingsAndSwitches) {
    launcher.passesUntilEnd = 2;
    EXPECT_TRUE(RunGameThenSwitchMode(kGame, "-x", services));
    EXPECT_EQ(log.front(), "start " + kGame + " -x");
    EXPECT_EQ(log[1], "resume");
    const auto close = std::find(log.begin(), log.end(), "close");
    ASSERT_NE(close, log.end());
    EXPECT_EQ(std::count(log.begin(), close, "poll"), 3);
    EXPECT_EQ(*(close - 1), "dispatch");
    EXPECT_EQ(std::vector<std::string>(close + 1, log.end()),
              (std::vector<std::string>{"get ScreenX", "get ScreenY", "get BitRes", "apply 1024x768x16",
                                        "box The display settings change was successful"}));
}

// The run waits on the game's own process while it runs, then on what it started, watched
// from when the own process has ended with some of it left, and only then.
TEST_F(GameRun, WaitsOnTheGameThenOnWhatItStartedWatchedOnlyWhenSomeIsLeft) {
    const std::tuple<int, int, fake::Log> cases[] = {{0, 0, {}},
                                                     {2, 0, {"wait", "wait"}},
                                                     {0, 1, {"watch", "wait others"}},
                                                     {1, 2, {"wait", "watch", "wait others", "wait others"}}};
    for (const auto& [own, others, waits] : cases) {
        log.clear();
        std::tie(launcher.passesUntilEnd, launcher.passesUntilOthersEnd) = std::tie(own, others);
        EXPECT_TRUE(RunGameThenSwitchMode(kGame, "", services));
        fake::Log seen = log;  // the waits and the watch
        std::erase_if(seen, [](const std::string& l) { return l.rfind("wa", 0) != 0; });
        EXPECT_EQ(seen, waits) << own << " " << others;
        EXPECT_EQ(*(std::find(log.begin(), log.end(), "close") - 1), "dispatch");  // after the last look too
    }
}

TEST_F(GameRun, UsesWhatWasStoredWhileTheGameRan) {
    launcher.passesUntilEnd = 1;
    pump.onDispatch = [&] { settings.values = {{"ScreenX", "800"}, {"ScreenY", "600"}, {"BitRes", "16"}}; };
    RunGameThenSwitchMode(kGame, "", services);
    ASSERT_EQ(display.applied.size(), 1u);
    EXPECT_EQ(display.applied[0].width, 800);
}

TEST_F(GameRun, AGameThatRanWithoutASwitchIsNotASuccess) {
    settings.values["BitRes"] = "24";
    EXPECT_FALSE(RunGameThenSwitchMode(kGame, "", services));
    display.answer = ChangeResult::Restart;
    settings.values["BitRes"] = "16";
    EXPECT_FALSE(RunGameThenSwitchMode(kGame, "", services));
}

TEST_F(GameRun, OnlyAMissingFileOrFolderIsFileNotFound) {
    launcher.failWith = StartError::FileNotFound;
    EXPECT_EQ(ErrorOfRun().number(), 53);
    launcher.failWith = StartError::PathNotFound;
    EXPECT_EQ(ErrorOfRun().number(), 53);
    launcher.failWith = StartError::Other;  // e.g. not a valid application
    const RuntimeError e = ErrorOfRun();
    EXPECT_EQ(e.number(), 5);
    EXPECT_EQ(e.description(), "Cannot start " + kGame + ": The system's reason.");
    launcher.failWithText = "%1 is not a valid Win32 application.";
    EXPECT_EQ(ErrorOfRun().description(), kGame + " is not a valid Win32 application.");
    // Nothing after a failed start: no wait, no setting read, no switch.
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.rfind("start", 0) != 0; }), 0);
}

TEST_F(GameRun, AGameAskingForAdministratorRightsIsStartedThroughTheShellAndWatchedAlone) {
    launcher.failWith = StartError::ElevationRequired;
    files.existing = {"C:\\Program Files\\V\\zarnsl.exe"};
    EXPECT_TRUE(RunGameThenSwitchMode("C:\\Program Files\\V\\zarnsl.exe -w", "-x", services));
    EXPECT_EQ(log[0], "start \"C:\\Program Files\\V\\zarnsl.exe\" -w -x");
    EXPECT_EQ(log[1], "shell C:\\Program Files\\V\\zarnsl.exe | -w -x");
    EXPECT_EQ(log[2], "poll");  // already running: nothing to resume
    EXPECT_EQ(launcher.commands.at(0).directory, "C:\\Program Files\\V");

    log.clear();
    launcher.shellFailsWith = StartError::Other;  // the user declined
    const RuntimeError e = ErrorOfRun();
    EXPECT_EQ(e.number(), 5);
    EXPECT_EQ(e.description(), "Cannot start " + kGame + ": The system's reason.");
    EXPECT_TRUE(display.applied.size() == 1);  // only the first run switched
}

TEST_F(GameRun, NeverLetsItselfRun) {
    launcher.isThisProgram = true;
    const RuntimeError e = ErrorOfRun();
    EXPECT_EQ(e.number(), 5);
    EXPECT_NE(e.description().find("ZarnRes itself"), std::string::npos);
    EXPECT_EQ(log, (fake::Log{"start " + kGame + " -x", "discard", "close"}));
}

TEST_F(GameRun, MissingWidthIsATypeMismatchAfterTheGameEnded) {
    settings.values.erase("ScreenX");
    EXPECT_EQ(ErrorOfRun().number(), 13);
    EXPECT_TRUE(display.applied.empty());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(std::count(log.begin(), log.end(), "close"), 1);
}

TEST_F(GameRun, ConvertsDepthFirstThenHeightThenWidth) {
    settings.values = {{"ScreenX", "99999"}, {"ScreenY", "768"}, {"BitRes", ""}};
    EXPECT_EQ(ErrorOfRun().number(), 13);  // BitRes decides, though ScreenX would overflow
    settings.values = {{"ScreenX", "abc"}, {"ScreenY", "70000"}, {"BitRes", "16"}};
    EXPECT_EQ(ErrorOfRun().number(), 6);
    settings.values = {{"ScreenX", "99999"}, {"ScreenY", "768"}, {"BitRes", "16"}};
    EXPECT_EQ(ErrorOfRun().number(), 6);
    EXPECT_TRUE(display.applied.empty());
}

}  // namespace
}  // namespace zarn
