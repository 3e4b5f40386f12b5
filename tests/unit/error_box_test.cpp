#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/errors.h"

namespace zarn {
namespace {

TEST(ErrorBox, ShowsNumberBlankLineAndDescription) {
    EXPECT_EQ(ErrorBoxText(error::TypeMismatch()), "Run-time error '13':\n\nType mismatch");
    EXPECT_EQ(ErrorBoxText(error::FileNotFound()), "Run-time error '53':\n\nFile not found");
}

TEST(ErrorBox, DeepPathsBreakAfterAFolderSoTheBoxStaysNarrow) {
    EXPECT_EQ(ShownPath("C:\\Colvane\\Vantreel\\zarnsl.exe"), "C:\\Colvane\\Vantreel\\zarnsl.exe");
    std::string deep = "C:";
    for (int i = 0; i < 8; ++i) deep += "\\folder_number_" + std::to_string(i);
    deep += "\\zarnsl.exe";
    const std::string shown = ShownPath(deep);
    std::string joined;
    std::size_t longest = 0, start = 0;
    for (std::size_t at = 0; at <= shown.size(); ++at) {
        if (at < shown.size() && shown[at] != '\n') continue;
        longest = std::max(longest, at - start);
        joined += shown.substr(start, at - start);
        start = at + 1;
    }
    EXPECT_EQ(joined, deep);  // only line breaks were added, each after a separator
    EXPECT_LE(longest, kShownPathLine);
    EXPECT_NE(shown.find("\\\n"), std::string::npos);
}

}  // namespace
}  // namespace zarn
