#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "base/error_box.h"
#include "base/errors.h"
#include "fakes.h"

namespace zarn {
namespace {

// A shown path's lines joined again, and the most characters on one of them.
struct Lines {
    std::string joined;
    std::size_t longest = 0;
};
Lines LinesOf(const std::string& shown) {
    Lines lines;
    std::size_t line = 0;
    for (const char c : shown) {
        if (c == '\n') {
            line = 0;
        } else {
            lines.joined.push_back(c);
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) lines.longest = std::max(lines.longest, ++line);
        }
    }
    return lines;
}

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
    const Lines lines = LinesOf(shown);
    EXPECT_EQ(lines.joined, deep);  // only line breaks were added, each after a separator
    EXPECT_LE(lines.longest, kShownPathLine);
    EXPECT_NE(shown.find("\\\n"), std::string::npos);
}

TEST(ErrorBox, ControlCharactersInAPathShowAsReplacementsAndTheDescriptionStaysWhole) {
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
    };
    for (const auto& [character, replaced] : characters)
        EXPECT_EQ(ShownPath(std::string("C:\\zw\\") + character + "exe"),
                  std::string("C:\\zw\\") + (replaced ? "\uFFFD" : character) + "exe")
            << character;
}

TEST(ErrorBox, AnOverlongPathKeepsWholeCharactersAroundAnEllipsisOnShortLines) {
    // 1 MB of path, with characters of two, three and four bytes where it is cut.
    const std::string wide = "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xAE";  // three characters
    const std::string path = "C:\\" + std::string(140, 'a') + wide + std::string(1 << 20, 'm') + wide +
                             std::string(138, 'e') + "\\zarnsl.exe";
    const Lines lines = LinesOf(ShownPath(path));
    // 150 characters, the ellipsis, then the last 149.
    EXPECT_EQ(lines.joined, "C:\\" + std::string(140, 'a') + wide + std::string(4, 'm') + "\xE2\x80\xA6" +
                                std::string(138, 'e') + "\\zarnsl.exe");
    EXPECT_LE(lines.longest, kShownPathLine);
}

// A window procedure's body through the boundary, with the program's error box as its sink.
long Procedure(ErrorBox& box, const std::function<long()>& body) {
    return CatchAtBoundary(-1L, body, [&](std::exception_ptr error) { box.Show(error); });
}

RuntimeError Caught(auto thrown) { return UntrappedError(std::make_exception_ptr(thrown)); }

TEST(UntrappedErrors, AWindowProcedureAnswersItsFallbackAndOnlyTheFirstErrorShows) {
    fake::Log log;
    fake::Boxes boxes(log);
    ErrorBox box(boxes);
    EXPECT_EQ(Procedure(box, [] { return 7L; }), 7);
    EXPECT_FALSE(box.Shown());

    long behindTheBox = 0;
    boxes.whileUp = [&] { behindTheBox = Procedure(box, []() -> long { throw std::out_of_range("no control"); }); };
    EXPECT_EQ(Procedure(box, []() -> long { throw error::FileNotFound(); }), -1);
    EXPECT_EQ(behindTheBox, -1);
    EXPECT_TRUE(box.Shown());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Run-time error '53':\n\nFile not found");
    EXPECT_EQ(boxes.shown[0].style, BoxStyle::Critical);

    // A handler that fails later still ends the program, without a second box.
    EXPECT_TRUE(RunHandler(box, [] {}));
    EXPECT_FALSE(RunHandler(box, [] { throw error::Overflow(); }));
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST(UntrappedErrors, WhateverIsThrownBecomesARunTimeError) {
    EXPECT_EQ(ErrorBoxText(Caught(error::TypeMismatch())), "Run-time error '13':\n\nType mismatch");
    EXPECT_EQ(ErrorBoxText(Caught(std::out_of_range("no control with that id"))),
              "Run-time error '5':\n\nno control with that id");
    EXPECT_EQ(ErrorBoxText(Caught(std::bad_alloc())), "Run-time error '7':\n\nOut of memory");
    EXPECT_EQ(ErrorBoxText(Caught(42)), "Run-time error '5':\n\nInvalid procedure call or argument");

    fake::Log log;
    fake::Boxes boxes(log);
    ErrorBox box(boxes);
    EXPECT_FALSE(RunHandler(box, [] { throw 42; }));
    EXPECT_EQ(log, fake::Log{"box Run-time error '5':\n\nInvalid procedure call or argument"});
}

TEST(UntrappedErrors, AReportThatFailsItselfStaysInsideTheBoundary) {
    const auto fails = []() -> int { throw error::FileNotFound(); };
    const auto failingReport = [](std::exception_ptr) { throw std::bad_alloc(); };
    static_assert(noexcept(CatchAtBoundary(0, fails, failingReport)));
    EXPECT_EQ(CatchAtBoundary(0, fails, failingReport), 0);
}

}  // namespace
}  // namespace zarn
