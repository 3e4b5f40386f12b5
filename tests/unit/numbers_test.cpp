#include <gtest/gtest.h>

#include "runtime/arguments.h"
#include "runtime/errors.h"
#include "runtime/numbers.h"

namespace zarn {
namespace {

int ErrorNumberOf(std::string_view text) {
    try {
        ToInteger16(text);
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(ToInteger16, ConvertsWholeNumbersInRange) {
    EXPECT_EQ(ToInteger16("1024"), 1024);
    EXPECT_EQ(ToInteger16("016"), 16);
    EXPECT_EQ(ToInteger16("32767"), 32767);
    EXPECT_EQ(ToInteger16("-32768"), -32768);
    EXPECT_EQ(ToInteger16(" 16 "), 16);
}

TEST(ToInteger16, TextThatIsNoNumberIsATypeMismatch) {
    for (const char* text : {"", " ", "abc", "16bit", "1.5", "+", "1 6"}) EXPECT_EQ(ErrorNumberOf(text), 13) << text;
}

TEST(ToInteger16, NumbersOutsideSixteenBitsOverflow) {
    for (const char* text : {"32768", "-32769", "65536", "99999999999999999999999999"})
        EXPECT_EQ(ErrorNumberOf(text), 6) << text;
}

TEST(ErrorBox, ShowsNumberBlankLineAndDescription) {
    EXPECT_EQ(ErrorBoxText(error::TypeMismatch()), "Run-time error '13':\n\nType mismatch");
    EXPECT_EQ(ErrorBoxText(error::FileNotFound()), "Run-time error '53':\n\nFile not found");
}

TEST(InStr, IsOneBasedCaseSensitiveAndFindsTheFirst) {
    EXPECT_EQ(InStr("/res", "/res"), 1u);
    EXPECT_EQ(InStr("-w /res", "/res"), 4u);
    EXPECT_EQ(InStr("/res -w /res", "/res"), 1u);
    EXPECT_EQ(InStr("-w /RES", "/res"), 0u);
    EXPECT_EQ(InStr("", "/res"), 0u);
}

TEST(ArgumentString, DropsTheProgramNameAndTheBlanksAfterIt) {
    EXPECT_EQ(ArgumentString("zarnres.exe /res"), "/res");
    EXPECT_EQ(ArgumentString("zarnres.exe -w /res"), "-w /res");
    EXPECT_EQ(ArgumentString("zarnres.exe   \t-w"), "-w");
    EXPECT_EQ(ArgumentString("zarnres.exe"), "");
    EXPECT_EQ(ArgumentString("zarnres.exe "), "");
}

TEST(ArgumentString, AQuotedNameRunsToItsClosingQuote) {
    EXPECT_EQ(ArgumentString("\"C:\\Program Files\\ZarnRes\\zarnres.exe\" -window -skip intro"),
              "-window -skip intro");
    EXPECT_EQ(ArgumentString("\"C:\\a b\\zarnres.exe\""), "");
    EXPECT_EQ(ArgumentString("\"unclosed name -w"), "");
}

TEST(ArgumentString, KeepsTheArgumentsExactlyAsGiven) {
    EXPECT_EQ(ArgumentString("zarnres.exe -a  \"b c\"  "), "-a  \"b c\"  ");
}

}  // namespace
}  // namespace zarn
