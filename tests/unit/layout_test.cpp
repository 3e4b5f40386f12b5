#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "setup/layout.h"

namespace zarn {
namespace {

TEST(Layout, ControlsSitAtTheirDesignPixelsAt96Dpi) {
    const std::pair<std::string_view, std::array<int, 4>> expected[] = {
        {"browseButton", {230, 130, 81, 31}},    {"gamePathEdit", {10, 100, 301, 24}},
        {"skipDialogCheck", {10, 170, 151, 21}}, {"colourList", {10, 50, 301, 24}},
        {"resolutionList", {10, 10, 301, 24}},   {"runButton", {10, 200, 301, 31}},
        {"gamePathLabel", {10, 80, 141, 21}}};
    const auto at96 = [](int twips) { return layout::ToPixels(twips, 96); };
    for (const auto& [name, pixels] : expected) {
        const auto* c = layout::ControlNamed(name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ((std::array{at96(c->left), at96(c->top), at96(c->width), at96(c->height)}), pixels) << name;
    }
    EXPECT_EQ(at96(layout::kClientWidth), 324);
    EXPECT_EQ(at96(layout::kClientHeight), 241);
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
