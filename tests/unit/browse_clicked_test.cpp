#include <gtest/gtest.h>

#include "fakes.h"
#include "setup/setup_dialog.h"

namespace zarn {
namespace {

struct BrowseClicked : ::testing::Test, fake::SetupWorld {
    SetupDialog setup = Dialog();
};

TEST_F(BrowseClicked, FillsThePathBoxAndStoresNothing) {
    openBox.answers = {fake::kGame, "D:\\zarnsl.exe"};
    setup.OnBrowseClicked();
    EXPECT_EQ(view.pathText, fake::kGame);
    setup.OnBrowseClicked();
    EXPECT_EQ(view.pathText, "D:\\zarnsl.exe");
    EXPECT_TRUE(log.empty());
}

TEST_F(BrowseClicked, CancelOrFailureLeavesThePathBox) {
    view.pathText = "typed";
    openBox.answers = {std::nullopt};
    setup.OnBrowseClicked();
    EXPECT_EQ(view.pathText, "typed");
    openBox.fail = true;
    EXPECT_NO_THROW(setup.OnBrowseClicked());
    EXPECT_EQ(view.pathText, "typed");
}

}  // namespace
}  // namespace zarn
