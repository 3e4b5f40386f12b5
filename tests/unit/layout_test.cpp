#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "setup/layout.h"

namespace zarn {
namespace {

TEST(Layout, ControlsSitAtTheirDesignPixelsAt96Dpi) {
    struct Expect {
        std::string_view name;
        int x, y, w, h;
    };
    const Expect expected[] = {{"browseButton", 230, 130, 81, 31},    {"gamePathEdit", 10, 100, 301, 24},
                               {"skipDialogCheck", 10, 170, 151, 21}, {"colourList", 10, 50, 301, 24},
                               {"resolutionList", 10, 10, 301, 24},   {"runButton", 10, 200, 301, 31},
                               {"gamePathLabel", 10, 80, 141, 21}};
    for (const auto& e : expected) {
        const auto* c = layout::ControlNamed(e.name);
        ASSERT_NE(c, nullptr) << e.name;
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
    EXPECT_EQ(names, (std::vector<std::string_view>{"runButton", "resolutionList", "colourList", "skipDialogCheck",
                                                    "gamePathEdit", "gamePathLabel", "browseButton"}));
    EXPECT_EQ(layout::ControlWithId(layout::id::kSkipDialogCheck)->text, "Don't show me again");
}

}  // namespace
}  // namespace zarn
