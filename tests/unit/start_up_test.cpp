#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"
#include "res_switch_cases.h"
#include "setup/setup_dialog.h"

namespace zarn {
namespace {

using fake::kGame;

struct StartUp : ::testing::Test, fake::SetupWorld {
    StartUp() { display.modes = {{1024, 768, 16, 60}}; }

    // Runs a start-up, after which Started() holds only what it started; the error that ended it, if any.
    RuntimeError Load(std::string arguments) {
        launcher.started.clear();
        SetupDialog setup = Dialog(std::move(arguments));
        return fake::ErrorOf([&] { setup.Load(); });
    }
    std::vector<std::string> Started() const { return launcher.started; }
};

TEST_F(StartUp, FirstStartShowsTheDialogOnFirstRowsWithEmptyPathAndBoxClear) {
    Load("");
    EXPECT_TRUE(view.shown);
    EXPECT_TRUE(view.loaded);
    EXPECT_EQ(view.resolutionRow, 0);
    EXPECT_EQ(view.depthRow, 0);
    EXPECT_EQ(view.pathText, "");
    EXPECT_EQ(view.skipDialog, false);
    EXPECT_TRUE(Started().empty());
}

TEST_F(StartUp, FillsTheDialogFromStoredSettingsBeforeDeciding) {
    settings.values = {{"ScreenX", "1152"}, {"BitRes", "16"}, {"ZarnPath", "D:\\Games\\zarnsl.exe"}};
    Load("");
    EXPECT_EQ(view.resolutionRow, 3);
    EXPECT_EQ(view.depthRow, 3);
    EXPECT_EQ(view.pathText, "D:\\Games\\zarnsl.exe");
    EXPECT_EQ(log, (fake::Log{"show", "get ScreenX", "get BitRes", "get ZarnPath", "get ShowRes"}));
}

TEST_F(StartUp, ShowResElevenLaunchesTheDefaultGameWithTheArgumentsAfterClosing) {
    settings.values = {{"ShowRes", "11"}, {"ScreenX", "1024"}, {"ScreenY", "768"}, {"BitRes", "16"}};
    Load("-window -skip intro");
    EXPECT_EQ(Started(), (std::vector<std::string>{kGame + " -window -skip intro"}));
    EXPECT_EQ(view.skipDialog, true);
    // The dialog is gone before the game starts.
    const auto unload = std::find(log.begin(), log.end(), "unload");
    EXPECT_LT(unload - log.begin(),
              std::find(log.begin(), log.end(), "start " + kGame + " -window -skip intro") - log.begin());
    EXPECT_EQ(boxes.shown.back().text, "The display settings change was successful");
}

TEST_F(StartUp, DirectLaunchRunsTheDefaultGameElseTheStoredOneElseFileNotFound) {
    const std::string stored = "D:\\My Games\\zarnsl.exe";
    settings.values = {
        {"ShowRes", "11"}, {"ZarnPath", stored}, {"ScreenX", "1024"}, {"ScreenY", "768"}, {"BitRes", "16"}};

    // A file at the default path wins over the stored path.
    files.existing = {kGame, stored};
    Load("-x");
    EXPECT_EQ(Started(), (std::vector<std::string>{kGame + " -x"}));

    // No file there: the stored path, with its blank, is resolved like a typed one;
    // the arguments and the checks are the same.
    files.existing = {stored, "D:\\My.exe"};
    Load("-x");
    EXPECT_EQ(Started(), (std::vector<std::string>{"\"" + stored + "\" -x"}));
    EXPECT_EQ(launcher.commands.back().directory, "D:\\My Games");
    EXPECT_EQ(boxes.shown.back().text, "The display settings change was successful");

    // Neither names a program: "File not found", and nothing runs.
    files.existing = {"D:\\My.exe"};
    EXPECT_EQ(Load("-x").number(), 53);
    EXPECT_TRUE(Started().empty());
}

// A hand-made value with a NUL in it reads as every C-string reader sees it: the
// text before the NUL. The player's arguments still reach the game.
TEST_F(StartUp, EverySettingEndsAtItsFirstNul) {
    const auto nul = [](std::string value, const char* after) { return value + '\0' + after; };
    settings.values = {{"ShowRes", nul("11", "x")},
                       {"ZarnPath", nul("D:\\zarnsl.exe", " -junk")},
                       {"ScreenX", nul("1024", "0")},
                       {"ScreenY", nul("768", "1")},
                       {"BitRes", nul("16", "32")}};
    files.existing = {"D:\\zarnsl.exe"};
    Load("-window");
    EXPECT_EQ(view.pathText, "D:\\zarnsl.exe");
    EXPECT_EQ(view.resolutionRow, 2);
    EXPECT_EQ(view.depthRow, 3);
    EXPECT_EQ(Started(), (std::vector<std::string>{"D:\\zarnsl.exe -window"}));
    ASSERT_EQ(display.applied.size(), 1u);
    EXPECT_EQ(boxes.shown.back().text, "The display settings change was successful");
}

// A game that starts ZarnRes again (through a script, say) would start itself over
// and over: a ZarnRes started by a game run refuses before anything else.
TEST_F(StartUp, AZarnResStartedByAGameRunStartsNothing) {
    settings.values = {{"ShowRes", "11"}, {"ScreenX", "1024"}, {"ScreenY", "768"}, {"BitRes", "16"}};
    launcher.startedByGameRun = true;
    const RuntimeError e = Load("-again");
    EXPECT_EQ(e.number(), 5);
    EXPECT_EQ(e.description(),
              "ZarnRes was started by the game it is waiting for, so it does not start the game again.");
    EXPECT_TRUE(log.empty());  // nothing shown, read or started
}

// "/res" where it brings the dialog back keeps the dialog with the box clear, ShowRes not even read. Elsewhere the
// game gets the arguments after a blank, kept even when there are none.
TEST_F(StartUp, TheResSwitchKeepsTheDialogOnlyAfterTheFirstCharacter) {
    settings.values["ShowRes"] = "11";
    for (const auto& [args, keepsDialog] : kResSwitchCases) {
        log.clear();
        view = fake::View(log);
        Load(args);
        EXPECT_EQ(view.loaded, keepsDialog) << args;
        EXPECT_EQ(view.skipDialog, !keepsDialog) << args;
        EXPECT_EQ(std::count(log.begin(), log.end(), "get ShowRes"), keepsDialog ? 0 : 1) << args;
        EXPECT_EQ(Started(), keepsDialog ? std::vector<std::string>{} : std::vector<std::string>{kGame + " " + args});
    }
}

TEST_F(StartUp, OnlyExactlyElevenSkipsTheDialog) {
    for (const char* showRes : {"00", "1", "11 ", " 11", "111", ""}) {
        settings.values["ShowRes"] = showRes;
        view = fake::View(log);
        view.skipDialog = true;
        Load("");
        EXPECT_TRUE(Started().empty()) << '"' << showRes << '"';
        EXPECT_EQ(view.skipDialog, false) << '"' << showRes << '"';
    }
}

TEST_F(StartUp, UnusableStoredValuesLeaveTheFirstRows) {
    settings.values = {{"ScreenX", "01024"}, {"BitRes", "sixteen"}};
    Load("");
    EXPECT_EQ(view.resolutionRow, 0);
    EXPECT_EQ(view.depthRow, 0);
}

}  // namespace
}  // namespace zarn
