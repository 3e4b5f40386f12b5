#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>

#include "base/errors.h"
#include "base/shown_path.h"

namespace zarn {
namespace {

// A shown path's lines joined again, and the most characters on one of them.
std::pair<std::string, std::size_t> LinesOf(const std::string& shown) {
    std::string joined;
    std::size_t longest = 0;
    std::istringstream lines(shown);
    for (std::string line; std::getline(lines, line);) {
        joined += line;
        const auto characters =
            std::count_if(line.begin(), line.end(), [](unsigned char c) { return (c & 0xC0) != 0x80; });
        longest = std::max(longest, static_cast<std::size_t>(characters));
    }
    return {joined, longest};
}

TEST(ShownPath, DeepPathsBreakAfterAFolderSoTheBoxStaysNarrow) {
    EXPECT_EQ(ShownPath("C:\\Colvane\\Vantreel\\zarnsl.exe"), "C:\\Colvane\\Vantreel\\zarnsl.exe");
    std::string deep = "C:";
    for (int i = 0; i < 8; ++i) deep += "\\folder_number_" + std::to_string(i);
    deep += "\\zarnsl.exe";
    const std::string shown = ShownPath(deep);
    const auto [joined, longest] = LinesOf(shown);
    EXPECT_EQ(joined, deep);  // only line breaks were added, each after a separator
    EXPECT_LE(longest, kShownPathLine);
    EXPECT_NE(shown.find("\\\n"), std::string::npos);
}

TEST(ShownPath, ControlCharactersInAPathShowAsReplacementsAndTheDescriptionStaysWhole) {
    const std::string path("C:\\a\0b\nc\x7F.exe", 13);
    const std::string shown = ShownPath(path);
    EXPECT_EQ(shown, "C:\\a\uFFFDb\uFFFDc\uFFFD.exe");
    EXPECT_EQ(error::InvalidCall(path + " is a folder").description(), path + " is a folder");

    // Bidirectional controls would turn the path and the box's own words around, and
    // invisible format characters hide in it; the characters next to them, joiners
    // included, belong to real names and stay.
    const std::pair<const char*, bool> characters[] = {
        {"\u202E", true},  {"\u202A", true},  {"\u200E", true},      {"\u200F", true},
        {"\u061C", true},  {"\u2066", true},  {"\u2069", true},      {"\u0085", true},
        {"\u200B", true},  {"\u2060", true},  {"\uFEFF", true},      {"\u200A", false},
        {"\u202F", false}, {"\u2065", false}, {"\u200D", false},     {"\u200C", false},
        {"\u061B", false}, {"\u00A0", false}, {"\U0001F3AE", false}, {"\xFF", true},  // a byte that starts no character
        // Every other format character, and the separators that break a line, one row per range.
        {"\u00AD", true},  {"\u0600", true},  {"\u0605", true},      {"\u0606", false},
        {"\u06DD", true},  {"\u070F", true},  {"\u0890", true},      {"\u08E2", true},
        {"\u180E", true},  {"\u2028", true},  {"\u2029", true},      {"\u2027", false},
        {"\u2061", true},  {"\u2064", true},  {"\u206F", true},      {"\uFFF9", true},
        {"\uFFFB", true},  {"\uFFFC", false}, {"\U000110BD", true},  {"\U000110CD", true},
        {"\U00013430", true},  {"\U0001343F", true},  {"\U00013440", false}, {"\U0001BCA0", true},
        {"\U0001BCA3", true},  {"\U0001D173", true},  {"\U0001D17A", true},  {"\U0001D17B", false},
        {"\U000E0001", true},  {"\U000E0020", true},  {"\U000E0041", true},  {"\U000E007F", true},
        {"\U000E0080", false}, {"\xED\xAD\x80\xED\xB1\x81", true},  // U+E0041 as two surrogates
    };
    for (const auto& [character, replaced] : characters)
        EXPECT_EQ(ShownPath(std::string("C:\\zw\\") + character + "exe"),
                  std::string("C:\\zw\\") + (replaced ? "\uFFFD" : character) + "exe")
            << character;
}

TEST(ShownPath, AnOverlongPathKeepsWholeCharactersAroundAnEllipsisOnShortLines) {
    // 1 MB of path, with characters of two, three and four bytes where it is cut.
    const std::string wide = "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xAE";  // three characters
    const std::string path = "C:\\" + std::string(140, 'a') + wide + std::string(1 << 20, 'm') + wide +
                             std::string(138, 'e') + "\\zarnsl.exe";
    const auto [joined, longest] = LinesOf(ShownPath(path));
    // 150 characters, the ellipsis, then the last 149.
    EXPECT_EQ(joined, "C:\\" + std::string(140, 'a') + wide + std::string(4, 'm') + "\xE2\x80\xA6" +
                          std::string(138, 'e') + "\\zarnsl.exe");
    EXPECT_LE(longest, kShownPathLine);
}

}  // namespace
}  // namespace zarn
