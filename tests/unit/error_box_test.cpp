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

TEST(ErrorBox, AnOverlongPathKeepsWholeCharactersAroundAnEllipsisOnShortLines) {
    // 1 MB of path, with characters of two, three and four bytes where it is cut.
    const std::string wide = "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xAE";  // three characters
    const std::string path = "C:\\" + std::string(140, 'a') + wide + std::string(1 << 20, 'm') + wide +
                             std::string(138, 'e') + "\\zarnsl.exe";
    const std::string shown = ShownPath(path);

    std::string joined;
    std::size_t longest = 0, line = 0;
    for (const char c : shown) {
        if (c == '\n') {
            line = 0;
            continue;
        }
        joined.push_back(c);
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) longest = std::max(longest, ++line);
    }
    // 150 characters, the ellipsis, then the last 149.
    EXPECT_EQ(joined, "C:\\" + std::string(140, 'a') + wide + std::string(4, 'm') + "\xE2\x80\xA6" +
                          std::string(138, 'e') + "\\zarnsl.exe");
    EXPECT_LE(longest, kShownPathLine);
}

}  // namespace
}  // namespace zarn
