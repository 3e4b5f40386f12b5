#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"
#include "setup/setup_dialog.h"

namespace zarn {
namespace {

using fake::kGame;

struct RunClicked : ::testing::Test, fake::SetupWorld {
    RunClicked() {
        settings.values = {{"ScreenX", "1024"}, {"ScreenY", "768"}, {"BitRes", "16"}};
        display.modes = {{1024, 768, 16, 60}, {1152, 864, 16, 60}, {640, 480, 32, 60}};
    }

    // Picks the rows, the box and the path, then clicks Run in a new dialog (kept in setup):
    // the number of the error that ended the click, or 0.
    int Click(int resolutionRow, int depthRow, bool skipDialog, std::string path, std::string arguments = "") {
        view.resolutionRow = resolutionRow;
        view.depthRow = depthRow;
        view.skipDialog = skipDialog;
        view.pathText = std::move(path);
        setup.emplace(Dialog(std::move(arguments)));
        return fake::ErrorOf([&] { setup->OnRunClicked(); }).number();
    }
    std::optional<SetupDialog> setup;
};

TEST_F(RunClicked, StoresFiveSettingsInOrderThenRunsThenUnloads) {
    EXPECT_EQ(Click(3, 3, true, kGame), 0);
    const fake::Log saves(log.begin(), log.begin() + 5);
    EXPECT_EQ(saves, (fake::Log{"save ShowRes=11", "save ScreenX=1152", "save ScreenY=864", "save BitRes=16",
                                "save ZarnPath=" + kGame}));
    EXPECT_EQ(launcher.started, (std::vector<std::string>{kGame + " "}));
    EXPECT_EQ(display.applied.at(0).width, 1152);  // the mode just stored
    EXPECT_EQ(log.back(), "unload");
}

TEST_F(RunClicked, TheBoxClearStoresDoubleZeroAndTheArgumentsGoOutUnchanged) {
    Click(0, 5, false, "C:\\g\\zarnsl.exe", "-x  /res \"a b\"");
    EXPECT_EQ(settings.values, (std::map<std::string, std::string>{{"ShowRes", "00"},
                                                                   {"ScreenX", "640"},
                                                                   {"ScreenY", "480"},
                                                                   {"BitRes", "32"},
                                                                   {"ZarnPath", "C:\\g\\zarnsl.exe"}}));
    EXPECT_EQ(launcher.started, (std::vector<std::string>{"C:\\g\\zarnsl.exe -x  /res \"a b\""}));
}

TEST_F(RunClicked, APathWithABlankRunsQuotedAndIsStoredAsTyped) {
    files.existing = {"C:\\Program Files\\Vantreel\\zarnsl.exe"};
    EXPECT_EQ(Click(2, 3, true, "C:\\Program Files\\Vantreel\\zarnsl.exe", "-x"), 0);
    EXPECT_EQ(launcher.started, (std::vector<std::string>{"\"C:\\Program Files\\Vantreel\\zarnsl.exe\" -x"}));
    EXPECT_EQ(settings.values["ZarnPath"], "C:\\Program Files\\Vantreel\\zarnsl.exe");
    EXPECT_EQ(setup->ExitCode(), 0);
}

TEST_F(RunClicked, AnEmptyPathIsStoredThenFailsAsFileNotFoundStartingNothing) {
    EXPECT_EQ(Click(2, 3, false, ""), 53);
    EXPECT_EQ(settings.values.at("ZarnPath"), "");
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(RunClicked, AFailingWriteKeepsWhatWasWrittenBeforeAndLaunchesNothing) {
    settings.failWriteOf = "BitRes";
    EXPECT_EQ(Click(3, 3, true, "C:\\g\\zarnsl.exe"), 5);
    EXPECT_EQ(settings.values["ScreenY"], "864");
    EXPECT_EQ(settings.values.count("ZarnPath"), 0u);
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_TRUE(view.loaded);
}

TEST_F(RunClicked, AFailingLaunchKeepsAllFiveSettingsAndTheButtonsAnswerAgain) {
    launcher.failWith = StartError::PathNotFound;
    EXPECT_EQ(Click(3, 3, true, "C:\\nowhere\\zarnsl.exe"), 53);
    EXPECT_EQ(settings.values.size(), 5u);
    EXPECT_EQ(settings.values["ZarnPath"], "C:\\nowhere\\zarnsl.exe");
    EXPECT_FALSE(view.busy);
}

TEST_F(RunClicked, WithoutASelectedRowIsAnErrorBeforeAnythingIsWritten) {
    EXPECT_EQ(Click(-1, 3, true, "C:\\g\\zarnsl.exe"), 5);
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.starts_with("save"); }), 0);
}

TEST_F(RunClicked, ButtonsAndCloseAreHeldDuringAGameRun) {
    launcher.passesUntilEnd = 1;
    bool closeAllowedDuringRun = true;
    openBox.answers = {"C:\\other\\zarnsl.exe"};
    pump.onDispatch = [&] {
        closeAllowedDuringRun = setup->CanClose();
        setup->OnRunClicked();  // a second click while the game runs
        setup->OnBrowseClicked();
    };
    EXPECT_EQ(Click(2, 3, true, "C:\\g\\zarnsl.exe"), 0);
    EXPECT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(openBox.shows, 0);
    EXPECT_FALSE(closeAllowedDuringRun);
    EXPECT_TRUE(setup->CanClose());
    EXPECT_FALSE(view.loaded);
    EXPECT_EQ(std::count(log.begin(), log.end(), "busy"), 1);
}

TEST_F(RunClicked, AGameRunWithoutASwitchEndsWithExitCodeTwo) {
    EXPECT_EQ(Click(2, 4, true, "C:\\g\\zarnsl.exe"), 0);  // 24 bits: no such mode
    EXPECT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(setup->ExitCode(), 2);
}

}  // namespace
}  // namespace zarn
