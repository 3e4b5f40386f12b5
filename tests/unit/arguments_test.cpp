#include <gtest/gtest.h>

#include "base/arguments.h"

namespace zarn {
namespace {

TEST(Arguments, DropsTheProgramNameAndTheBlanksAfterIt) {
    EXPECT_EQ(ArgumentString("zarnres.exe /res"), "/res");
    EXPECT_EQ(ArgumentString("zarnres.exe -w /res"), "-w /res");
    EXPECT_EQ(ArgumentString("zarnres.exe   \t-w"), "-w");
    EXPECT_EQ(ArgumentString("zarnres.exe"), "");
    EXPECT_EQ(ArgumentString("zarnres.exe "), "");
}

TEST(Arguments, AQuotedNameRunsToItsClosingQuote) {
    EXPECT_EQ(ArgumentString("\"C:\\Program Files\\ZarnRes\\zarnres.exe\" -window -skip intro"), "-window -skip intro");
    EXPECT_EQ(ArgumentString("\"C:\\a b\\zarnres.exe\""), "");
    EXPECT_EQ(ArgumentString("\"unclosed name -w"), "");
}

TEST(Arguments, KeepsTheArgumentsExactlyAsGiven) {
    EXPECT_EQ(ArgumentString("zarnres.exe -a  \"b c\"  "), "-a  \"b c\"  ");
}

TEST(Arguments, ResSwitchForcesTheDialogOnlyAfterTheFirstCharacter) {
    for (const char* args : {"-w /res", " /res", "-w /resolution", "x/res"})
        EXPECT_TRUE(ResSwitchForcesDialog(args)) << args;
    // At the very start it is the game's own argument, even when it comes again later; capitals are no switch.
    for (const char* args : {"/res", "/res -w /res", "-w /RES", "", "res"})
        EXPECT_FALSE(ResSwitchForcesDialog(args)) << args;
}

}  // namespace
}  // namespace zarn
