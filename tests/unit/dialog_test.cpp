#include <gtest/gtest.h>

#include "dialog/frmDynamicChange.h"
#include "dialog/layout.h"
#include "fakes.h"

namespace zarn {
namespace {

struct Dialog : ::testing::Test, fake::GameWorld {
    fake::View view{log};
    fake::OpenBox openBox;

    frmDynamicChange Form(std::string arguments) {
        return frmDynamicChange(view, FormServices{services, openBox, arguments});
    }

    void Choose(int resolutionRow, int colourRow, int check, std::string path) {
        view.resolutionRow = resolutionRow;
        view.colourRow = colourRow;
        view.checkValue = check;
        view.pathText = std::move(path);
    }
};

TEST_F(Dialog, ApplyStoresFiveSettingsInOrderThenRunsThenUnloads) {
    Choose(3, 3, 1, "C:\\Colvane\\Vantreel\\zarnsl.exe");
    cmdchange_Click(view, settings, "");
    EXPECT_EQ(log, (fake::Log{"save ShowRes=11", "save ScreenX=1152", "save ScreenY=864", "save BitRes=16",
                              "save ZarnPath=C:\\Colvane\\Vantreel\\zarnsl.exe",
                              "runshell C:\\Colvane\\Vantreel\\zarnsl.exe|", "unload"}));
}

TEST_F(Dialog, ApplyWithTheBoxClearStoresDoubleZero) {
    Choose(0, 5, 0, "C:\\g\\zarnsl.exe");
    cmdchange_Click(view, settings, "-w");
    EXPECT_EQ(settings.values["ShowRes"], "00");
    EXPECT_EQ(settings.values["ScreenX"], "640");
    EXPECT_EQ(settings.values["ScreenY"], "480");
    EXPECT_EQ(settings.values["BitRes"], "32");
    Choose(0, 5, 2, "C:\\g\\zarnsl.exe");  // any state other than clear counts as ticked
    cmdchange_Click(view, settings, "-w");
    EXPECT_EQ(settings.values["ShowRes"], "11");
}

TEST_F(Dialog, ApplyPassesTheArgumentsUnchangedSwitchIncluded) {
    Choose(2, 3, 0, "C:\\g\\zarnsl.exe");
    cmdchange_Click(view, settings, "-x  /res \"a b\"");
    EXPECT_EQ(view.runs, (std::vector<std::string>{"C:\\g\\zarnsl.exe|-x  /res \"a b\""}));
}

TEST_F(Dialog, AnEmptyPathIsStoredThenFailsAsFileNotFoundStartingNothing) {
    Choose(2, 3, 0, "");
    auto form = Form("");
    try {
        form.cmdchange_Click();
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 53);
    }
    EXPECT_EQ(settings.values.at("ZarnPath"), "");
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(Dialog, AFailingWriteKeepsWhatWasWrittenBeforeAndLaunchesNothing) {
    settings.failWriteOf = "BitRes";
    Choose(3, 3, 1, "C:\\g\\zarnsl.exe");
    EXPECT_THROW(cmdchange_Click(view, settings, ""), RuntimeError);
    EXPECT_EQ(settings.values["ScreenY"], "864");
    EXPECT_EQ(settings.values.count("ZarnPath"), 0u);
    EXPECT_TRUE(view.runs.empty());
    EXPECT_TRUE(view.loaded);
}

TEST_F(Dialog, AFailingLaunchKeepsAllFiveSettings) {
    launcher.failWith = start_error::kPathNotFound;
    Choose(3, 3, 1, "C:\\nowhere\\zarnsl.exe");
    auto form = Form("");
    EXPECT_THROW(form.cmdchange_Click(), RuntimeError);
    EXPECT_EQ(settings.values.size(), 5u);
    EXPECT_EQ(settings.values["ZarnPath"], "C:\\nowhere\\zarnsl.exe");
    EXPECT_FALSE(view.busy);  // the buttons answer again after a failed run
}

TEST_F(Dialog, ApplyWithoutASelectedRowIsAnError) {
    Choose(-1, 3, 1, "C:\\g\\zarnsl.exe");
    EXPECT_THROW(cmdchange_Click(view, settings, ""), RuntimeError);
    EXPECT_TRUE(settings.values.empty());
}

TEST_F(Dialog, ApplyRunsAPathWithABlankQuotedAndStoresItAsTyped) {
    launcher.files = {"C:\\Program Files\\Vantreel\\zarnsl.exe"};
    Choose(2, 3, 1, "C:\\Program Files\\Vantreel\\zarnsl.exe");
    auto form = Form("-x");
    settings.values = {{"ScreenX", "1024"}, {"ScreenY", "768"}, {"BitRes", "16"}};
    display.modes = {{1024, 768, 16, 60}};
    form.cmdchange_Click();
    EXPECT_EQ(launcher.started, (std::vector<std::string>{"\"C:\\Program Files\\Vantreel\\zarnsl.exe\" -x"}));
    EXPECT_EQ(settings.values["ZarnPath"], "C:\\Program Files\\Vantreel\\zarnsl.exe");
    EXPECT_EQ(form.ExitCode(), 0);
}

TEST_F(Dialog, BrowseFillsThePathBoxAndStoresNothing) {
    openBox.answers = {"C:\\Colvane\\Vantreel\\zarnsl.exe", "D:\\zarnsl.exe"};
    Command1_Click(view, openBox);
    EXPECT_EQ(view.pathText, "C:\\Colvane\\Vantreel\\zarnsl.exe");
    Command1_Click(view, openBox);
    EXPECT_EQ(view.pathText, "D:\\zarnsl.exe");
    EXPECT_TRUE(log.empty());
}

TEST_F(Dialog, BrowseCancelOrFailureLeavesThePathBox) {
    view.pathText = "typed";
    openBox.answers = {std::nullopt};
    Command1_Click(view, openBox);
    EXPECT_EQ(view.pathText, "typed");
    openBox.fail = true;
    EXPECT_NO_THROW(Command1_Click(view, openBox));
    EXPECT_EQ(view.pathText, "typed");
}

TEST_F(Dialog, ButtonsAndCloseAreHeldDuringAGameRun) {
    Choose(2, 3, 1, "C:\\g\\zarnsl.exe");
    auto form = Form("");
    launcher.passesUntilEnd = 1;
    settings.values = {{"ScreenX", "1024"}, {"ScreenY", "768"}, {"BitRes", "16"}};
    display.modes = {{1024, 768, 16, 60}};
    bool closeAllowedDuringRun = true;
    openBox.answers = {"C:\\other\\zarnsl.exe"};
    pump.onDoEvents = [&] {
        closeAllowedDuringRun = form.QueryUnload();
        form.cmdchange_Click();  // a second click while the game runs
        form.Command1_Click();
    };
    form.cmdchange_Click();
    EXPECT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(openBox.shows, 0);
    EXPECT_FALSE(closeAllowedDuringRun);
    EXPECT_TRUE(form.QueryUnload());
    EXPECT_FALSE(view.loaded);
    EXPECT_EQ(std::count(log.begin(), log.end(), "busy"), 1);
    EXPECT_EQ(log.back(), "unload");
}

TEST_F(Dialog, DirectLaunchRunsTheGameThroughTheForm) {
    settings.values = {{"ShowRes", "11"}, {"ScreenX", "1024"}, {"ScreenY", "768"}, {"BitRes", "16"}};
    display.modes = {{1024, 768, 16, 60}};
    auto form = Form("-window -skip intro");
    form.Form_Load();
    EXPECT_EQ(launcher.started, (std::vector<std::string>{"C:\\Colvane\\Vantreel\\zarnsl.exe -window -skip intro"}));
    EXPECT_FALSE(view.loaded);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "The display settings change was successful");
    EXPECT_EQ(form.ExitCode(), 0);
}

TEST_F(Dialog, AGameRunWithoutASwitchEndsWithExitCodeTwo) {
    settings.values = {{"ShowRes", "11"}, {"ScreenX", "1024"}, {"ScreenY", "768"}, {"BitRes", "24"}};
    display.modes = {{1024, 768, 16, 60}};
    auto form = Form("");
    form.Form_Load();
    EXPECT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(form.ExitCode(), 2);
}

TEST(Layout, ControlsSitAtTheirDesignPixelsAt96Dpi) {
    struct Expect { std::string_view name; int x, y, w, h; };
    const Expect expected[] = {{"Command1", 230, 130, 81, 31}, {"Text1", 10, 100, 301, 24},
                               {"Check1", 10, 170, 151, 21},   {"cmbcols", 10, 50, 301, 24},
                               {"cmbres", 10, 10, 301, 24},    {"cmdchange", 10, 200, 301, 31},
                               {"Label1", 10, 80, 141, 21}};
    for (const auto& e : expected) {
        const auto* c = std::find_if(layout::kControls.begin(), layout::kControls.end(),
                                     [&](const auto& k) { return k.name == e.name; });
        ASSERT_NE(c, layout::kControls.end()) << e.name;
        EXPECT_EQ(layout::ToPixels(c->left, 96), e.x) << e.name;
        EXPECT_EQ(layout::ToPixels(c->top, 96), e.y) << e.name;
        EXPECT_EQ(layout::ToPixels(c->width, 96), e.w) << e.name;
        EXPECT_EQ(layout::ToPixels(c->height, 96), e.h) << e.name;
    }
    EXPECT_EQ(layout::ToPixels(layout::kClientWidth, 96), 324);
    EXPECT_EQ(layout::ToPixels(layout::kClientHeight, 96), 241);
    EXPECT_EQ(layout::ToPixels(layout::kClientWidth, 144), 486);
}

TEST(Layout, TabOrderRunsFromTheRunButtonToBrowsePassingTheLabel) {
    std::vector<std::string_view> names;
    for (const auto* c : layout::ControlsByTabIndex()) names.push_back(c->name);
    EXPECT_EQ(names, (std::vector<std::string_view>{"cmdchange", "cmbres", "cmbcols", "Check1", "Text1", "Label1",
                                                    "Command1"}));
    EXPECT_EQ(layout::ControlWithId(layout::id::Check1).text, "Don't show me again");
}

}  // namespace
}  // namespace zarn
