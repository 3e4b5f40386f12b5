#include <gtest/gtest.h>

#include "base/arguments.h"
#include "res_switch_cases.h"

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
    for (const auto& [args, forces] : kResSwitchCases) EXPECT_EQ(ResSwitchForcesDialog(args), forces) << args;
}

}  // namespace
}  // namespace zarn
