#include <gtest/gtest.h>

#include <algorithm>

#include "fakes.h"
#include "setup/setup_dialog.h"

namespace zarn {
namespace {

using fake::kGame;

struct RunClicked : ::testing::Test, fake::SetupWorld {
    std::string arguments;

    RunClicked() {
        settings.values = {{"ScreenX", "1024"}, {"ScreenY", "768"}, {"BitRes", "16"}};
        display.modes = {{1024, 768, 16, 60}, {1152, 864, 16, 60}, {640, 480, 32, 60}};
    }

    void Choose(int resolutionRow, int depthRow, bool skipDialog, std::string path) {
        view.resolutionRow = resolutionRow;
        view.depthRow = depthRow;
        view.skipDialog = skipDialog;
        view.pathText = std::move(path);
    }

    // Clicks Run; the number of the error that ended the click, or 0.
    int Click(SetupDialog& setup) {
        return fake::ErrorOf([&] { setup.OnRunClicked(); }).number();
    }
    int Click() {
        SetupDialog setup = Dialog(arguments);
        return Click(setup);
    }
};

TEST_F(RunClicked, StoresFiveSettingsInOrderThenRunsThenUnloads) {
    Choose(3, 3, true, kGame);
    EXPECT_EQ(Click(), 0);
    const fake::Log saves(log.begin(), log.begin() + 5);
    EXPECT_EQ(saves, (fake::Log{"save ShowRes=11", "save ScreenX=1152", "save ScreenY=864", "save BitRes=16",
                                "save ZarnPath=" + kGame}));
    EXPECT_EQ(launcher.started, (std::vector<std::string>{kGame + " "}));
    EXPECT_EQ(display.applied.at(0).width, 1152);  // the mode just stored
    EXPECT_EQ(log.back(), "unload");
}

TEST_F(RunClicked, TheBoxClearStoresDoubleZeroAndTheArgumentsGoOutUnchanged) {
    arguments = "-x  /res \"a b\"";
    Choose(0, 5, false, "C:\\g\\zarnsl.exe");
    Click();
    EXPECT_EQ(settings.values, (std::map<std::string, std::string>{{"ShowRes", "00"},
                                                                   {"ScreenX", "640"},
                                                                   {"ScreenY", "480"},
                                                                   {"BitRes", "32"},
                                                                   {"ZarnPath", "C:\\g\\zarnsl.exe"}}));
    EXPECT_EQ(launcher.started, (std::vector<std::string>{"C:\\g\\zarnsl.exe -x  /res \"a b\""}));
}

TEST_F(RunClicked, APathWithABlankRunsQuotedAndIsStoredAsTyped) {
    files.existing = {"C:\\Program Files\\Vantreel\\zarnsl.exe"};
    arguments = "-x";
    Choose(2, 3, true, "C:\\Program Files\\Vantreel\\zarnsl.exe");
    SetupDialog setup = Dialog(arguments);
    EXPECT_EQ(Click(setup), 0);
    EXPECT_EQ(launcher.started, (std::vector<std::string>{"\"C:\\Program Files\\Vantreel\\zarnsl.exe\" -x"}));
    EXPECT_EQ(settings.values["ZarnPath"], "C:\\Program Files\\Vantreel\\zarnsl.exe");
    EXPECT_EQ(setup.ExitCode(), 0);
}

TEST_F(RunClicked, AnEmptyPathIsStoredThenFailsAsFileNotFoundStartingNothing) {
    Choose(2, 3, false, "");
    EXPECT_EQ(Click(), 53);
    EXPECT_EQ(settings.values.at("ZarnPath"), "");
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(RunClicked, AFailingWriteKeepsWhatWasWrittenBeforeAndLaunchesNothing) {
    settings.failWriteOf = "BitRes";
    Choose(3, 3, true, "C:\\g\\zarnsl.exe");
    EXPECT_EQ(Click(), 5);
    EXPECT_EQ(settings.values["ScreenY"], "864");
    EXPECT_EQ(settings.values.count("ZarnPath"), 0u);
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_TRUE(view.loaded);
}

TEST_F(RunClicked, AFailingLaunchKeepsAllFiveSettingsAndTheButtonsAnswerAgain) {
    launcher.failWith = StartError::PathNotFound;
    Choose(3, 3, true, "C:\\nowhere\\zarnsl.exe");
    EXPECT_EQ(Click(), 53);
    EXPECT_EQ(settings.values.size(), 5u);
    EXPECT_EQ(settings.values["ZarnPath"], "C:\\nowhere\\zarnsl.exe");
    EXPECT_FALSE(view.busy);
}

TEST_F(RunClicked, WithoutASelectedRowIsAnErrorBeforeAnythingIsWritten) {
    Choose(-1, 3, true, "C:\\g\\zarnsl.exe");
    EXPECT_EQ(Click(), 5);
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& l) { return l.rfind("save", 0) == 0; }), 0);
}

TEST_F(RunClicked, ButtonsAndCloseAreHeldDuringAGameRun) {
    Choose(2, 3, true, "C:\\g\\zarnsl.exe");
    SetupDialog setup = Dialog();
    launcher.passesUntilEnd = 1;
    bool closeAllowedDuringRun = true;
    openBox.answers = {"C:\\other\\zarnsl.exe"};
    pump.onDispatch = [&] {
        closeAllowedDuringRun = setup.CanClose();
        setup.OnRunClicked();  // a second click while the game runs
        setup.OnBrowseClicked();
    };
    EXPECT_EQ(Click(setup), 0);
    EXPECT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(openBox.shows, 0);
    EXPECT_FALSE(closeAllowedDuringRun);
    EXPECT_TRUE(setup.CanClose());
    EXPECT_FALSE(view.loaded);
    EXPECT_EQ(std::count(log.begin(), log.end(), "busy"), 1);
}

TEST_F(RunClicked, AGameRunWithoutASwitchEndsWithExitCodeTwo) {
    Choose(2, 4, true, "C:\\g\\zarnsl.exe");  // 24 bits: no such mode
    SetupDialog setup = Dialog();
    EXPECT_EQ(Click(setup), 0);
    EXPECT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(setup.ExitCode(), 2);
}

}  // namespace
}  // namespace zarn
