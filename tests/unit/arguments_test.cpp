#include <gtest/gtest.h>

#include "base/arguments.h"
#include "res_switch_cases.h"

namespace zarn {
namespace {

TEST(Arguments, DropsTheProgramNameAndTheBlanksAfterItKeepingTheRestExactlyAsGiven) {
    const std::pair<const char*, const char*> cases[] = {
        {"zarnres.exe /res", "/res"}, {"zarnres.exe -w /res", "-w /res"},
        {"zarnres.exe   \t-w", "-w"}, {"zarnres.exe", ""},
        {"zarnres.exe ", ""},         {"zarnres.exe -a  \"b c\"  ", "-a  \"b c\"  "}};
    for (const auto& [line, arguments] : cases) EXPECT_EQ(ArgumentString(line), arguments) << line;
}

TEST(Arguments, AQuotedNameRunsToItsClosingQuote) {
    EXPECT_EQ(ArgumentString("\"C:\\Program Files\\ZarnRes\\zarnres.exe\" -window -skip intro"), "-window -skip intro");
    EXPECT_EQ(ArgumentString("\"C:\\a b\\zarnres.exe\""), "");
    EXPECT_EQ(ArgumentString("\"unclosed name -w"), "");
}

TEST(Arguments, ResSwitchForcesTheDialogOnlyAfterTheFirstCharacter) {
    for (const auto& [args, forces] : kResSwitchCases) EXPECT_EQ(ResSwitchForcesDialog(args), forces) << args;
}

}  // namespace
}  // namespace zarn
