#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "fakes.h"
#include "game/launch_command.h"

namespace zarn {
namespace {

struct CommandFromPath : ::testing::Test {
    fake::Files files;
    LaunchCommand Build(std::string_view path, std::string_view arguments = "-x") {
        return BuildLaunchCommand(path, arguments, files);
    }
    int ErrorOf(std::string_view path, std::string_view arguments = "-x") {
        return fake::ErrorOf([&] { Build(path, arguments); }).number();
    }
};

TEST_F(CommandFromPath, QuotedOrBlankFreePathsGoOutAsTypedWithoutAsking) {
    auto c = Build("C:\\Colvane\\Vantreel\\zarnsl.exe");
    EXPECT_EQ(c.commandLine, "C:\\Colvane\\Vantreel\\zarnsl.exe -x");
    EXPECT_EQ(c.program, "C:\\Colvane\\Vantreel\\zarnsl.exe");
    EXPECT_EQ(c.applicationName, "");
    EXPECT_EQ(c.directory, "C:\\Colvane\\Vantreel");

    c = Build("\"C:\\Program Files\\V\\zarnsl.exe\" -window", "");
    EXPECT_EQ(c.commandLine, "\"C:\\Program Files\\V\\zarnsl.exe\" -window ");
    EXPECT_EQ(c.program, "C:\\Program Files\\V\\zarnsl.exe");
    EXPECT_EQ(c.parameters, " -window ");
    EXPECT_EQ(c.directory, "C:\\Program Files\\V");

    c = Build("zarnsl");  // a bare name keeps the inherited folder
    EXPECT_EQ(c.commandLine, "zarnsl -x");
    EXPECT_EQ(c.directory, "");
    EXPECT_EQ(Build("C:\\zarnsl.exe").directory, "C:\\");
    EXPECT_EQ(Build("games/zarnsl.exe").directory, "games");
    // Each is looked up once, as a whole, only to refuse a folder.
    EXPECT_EQ(files.asked,
              (std::vector<std::string>{"C:\\Colvane\\Vantreel\\zarnsl.exe", "C:\\Program Files\\V\\zarnsl.exe",
                                        "zarnsl", "C:\\zarnsl.exe", "games/zarnsl.exe"}));
}

// The platform takes a program path of 260 units or more only when it is full, and the game's
// folder is made full; the command line keeps the path as typed. What cannot be made full goes as it is.
TEST_F(CommandFromPath, ALongProgramPathAndTheFolderAreMadeFull) {
    const std::string folder = "C:\\g\\" + std::string(250, 'd') + "\\..", deep = folder + "\\zarnsl.exe";
    files.existing = {deep};
    files.full = {{deep, "C:\\g\\zarnsl.exe"}, {folder, "C:\\g"}, {"games", "C:\\cur\\games"}, {"C:\\gone", ""}};
    const auto c = Build(deep + " -w");
    EXPECT_EQ(c.program, "C:\\g\\zarnsl.exe");
    EXPECT_EQ(c.applicationName, c.program);
    EXPECT_EQ(c.commandLine, "\"" + deep + "\" -w -x");
    EXPECT_EQ(c.directory, "C:\\g");
    EXPECT_EQ(Build("games\\zarnsl.exe").directory, "C:\\cur\\games");
    EXPECT_EQ(Build("C:\\gone\\zarnsl.exe").directory, "C:\\gone");
}

TEST_F(CommandFromPath, APathWithABlankRunsTheLongestExistingPartFollowedByNoFolder) {
    files.existing = {"C:\\Program.exe", "C:\\Program Files\\Van Treel\\zarnsl.exe"};
    auto c = Build("C:\\Program Files\\Van Treel\\zarnsl.exe -window");
    EXPECT_EQ(c.commandLine, "\"C:\\Program Files\\Van Treel\\zarnsl.exe\" -window -x");
    EXPECT_EQ(c.program, "C:\\Program Files\\Van Treel\\zarnsl.exe");
    EXPECT_EQ(c.applicationName, c.program);
    EXPECT_EQ(c.parameters, " -window -x");
    EXPECT_EQ(c.directory, "C:\\Program Files\\Van Treel");

    // C:\Program.exe exists, but what follows it names a folder: never run.
    EXPECT_EQ(ErrorOf("C:\\Program Files\\Zarn\\missing.exe"), 53);
    EXPECT_EQ(ErrorOf("C:\\Program Files\\Zarn"), 53);
    EXPECT_EQ(ErrorOf("C:\\Program Files/Zarn"), 53);
}

TEST_F(CommandFromPath, ResolutionAddsExeDropsTrailingBlanksAndKeepsRelativeNames) {
    files.existing = {"C:\\My Games\\zarnsl.exe", "My Games\\zarnsl.exe"};
    auto c = Build("C:\\My Games\\zarnsl -w");  // ".exe" added to find it, typed part quoted
    EXPECT_EQ(c.commandLine, "\"C:\\My Games\\zarnsl\" -w -x");
    EXPECT_EQ(c.program, "C:\\My Games\\zarnsl.exe");

    c = Build("C:\\My Games\\zarnsl.exe  ", "");  // blanks after the path are not the game's
    EXPECT_EQ(c.commandLine, "\"C:\\My Games\\zarnsl.exe\" ");
    EXPECT_EQ(c.program, "C:\\My Games\\zarnsl.exe");

    c = Build("My Games\\zarnsl.exe");
    EXPECT_EQ(c.commandLine, "\"My Games\\zarnsl.exe\" -x");
    EXPECT_EQ(c.directory, "My Games");
}

// Each path text gives its command line or error: line ends are blanks that never reach the game, blanks around the
// path are dropped (with nothing left, no file is found), options may hold '\' and '/'.
TEST_F(CommandFromPath, LineEndsAreBlanksAndOptionsMayHoldSeparators) {
    files.existing = {"C:\\Program.exe", "C:\\Games\\Van.exe", "C:\\Games\\Van Treel\\zarnsl.exe"};
    files.folders = {"C:\\Games\\Van Treel"};
    const std::string game = "\"C:\\Games\\Van Treel\\zarnsl.exe\"";
    const std::pair<const char*, std::string> cases[] = {
        {"C:\\Games\\Van Treel\\zarnsl.exe\r\n-window", game + "  -window -x"},
        {"\r\n \tC:\\Games\\Van Treel\\zarnsl.exe\t-window\r\n", game + "\t-window -x"},
        {"C:\\x\\zarnsl.exe\r\n", "C:\\x\\zarnsl.exe -x"},
        {" \"C:\\x\\zarnsl.exe\"\r\n-w", "\"C:\\x\\zarnsl.exe\"  -w -x"},
        {"C:\\Games\\Van Treel\\zarnsl.exe /window", game + " /window -x"},
        {"C:\\Games\\Van Treel\\zarnsl.exe -cfg C:\\cfg.ini", game + " -cfg C:\\cfg.ini -x"},
        {"C:\\Games\\Van Treel\\zarnsl.exe /cfg:C:\\x.ini -window", game + " /cfg:C:\\x.ini -window -x"},
        {"C:\\Program Files\\Van Treel\\missing.exe /window -cfg C:\\cfg.ini", "53"},
        {"C:\\Games\\Van Treel -cfg C:\\cfg.ini", "5"},
        {"C:\\Games\\Van Treel\\missing.exe -window", "53"},
        {"\"\"", "53"},
        {"\" \"", "53"},
        {"", "53"},
        {"   ", "53"},
        {"\t", "53"},
    };
    for (const auto& [path, expected] : cases) {
        std::string line;
        const int number = fake::ErrorOf([&, path = path] { line = Build(path).commandLine; }).number();
        EXPECT_EQ(number ? std::to_string(number) : line, expected) << path;
    }
}

// The longest part that names something decides: a folder is refused, never run as
// a shorter part of its name; a longer part that names a file still runs.
TEST_F(CommandFromPath, AFolderIsRefusedNeverRunAsAShorterPart) {
    files.existing = {"C:\\Program Files\\Van.exe", "C:\\Games.exe", "C:\\Games\\Van Treel\\zarnsl.exe"};
    files.folders = {"C:\\Program Files\\Van Treel", "C:\\Games", "C:\\Games\\Van Treel"};
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Program Files\\Van Treel", "C:\\Program Files\\Van Treel"},
        {"C:\\Program Files\\Van Treel \t ", "C:\\Program Files\\Van Treel"},
        {"\"C:\\Program Files\\Van Treel\"", "C:\\Program Files\\Van Treel"},
        {"\"C:\\Program Files\\Van Treel\" -window", "C:\\Program Files\\Van Treel"},
        {"C:\\Games", "C:\\Games"},
        {"C:\\Program Files\\Van Treel -window", "C:\\Program Files\\Van Treel"},
        {"C:\\Program Files\\Van Treel\r\n", "C:\\Program Files\\Van Treel"},
        {"C:\\Program Files\\Van Treel\n-window", "C:\\Program Files\\Van Treel"},
        {"C:\\Games -window", "C:\\Games"},
        {"C:\\Games\\Van Treel\\zarnsl.exe -w", nullptr},
    };
    for (const auto& [path, folder] : cases) {
        files.asked.clear();
        const RuntimeError e =
            fake::ErrorOf([&, path = path] { EXPECT_EQ(Build(path).program, "C:\\Games\\Van Treel\\zarnsl.exe"); });
        EXPECT_EQ(e.number(), folder ? 5 : 0) << path;
        if (folder) {
            EXPECT_EQ(e.description(), std::string(folder) + " is a folder, not a program.") << path;
        }
        // The search ended there: no shorter part was looked up.
        EXPECT_EQ(files.asked.back(), folder ? folder : "C:\\Games\\Van Treel\\zarnsl.exe") << path;
    }
}

// However many blanks, each candidate is looked up at most once, as typed and with ".exe" (one per blank run, and
// the whole; not with ".exe" below a missing folder; not where its name is too long for any file system), and a command
// line that could never be passed is refused before any look-up.
TEST_F(CommandFromPath, LookUpsGrowWithTheBlanksNotWithTheirSquare) {
    std::string path = "C:\\zw\\";
    for (int i = 0; i < 3000; ++i) path += i % 3 ? "abcdefghi " : "abcdefg\r\n";
    const std::pair<std::string, std::size_t> cases[] = {
        {path, 2 * 26},  // the candidates with names up to 255 characters
        {"a\tb c \"d e", 2 * 5},
        {"C:\\a b\\" + std::string(250, 'n') + " 12 34", 2 * 2},
        {"C:\\a b\\" + std::string(252, 'n') + " \xF0\x9F\x8E\xAEx", 2 * 1},  // a character beyond U+FFFF takes two
        {"C:\\gone\\a b c", 3},
        {path + std::string(kMaxCommandLineUnits, 'x'), 0},
    };
    files.gone = {"C:\\gone"};
    for (const auto& [text, looks] : cases) {
        files.asked.clear();
        EXPECT_EQ(ErrorOf(text), looks ? 53 : 5);
        EXPECT_EQ(files.asked.size(), looks) << text.substr(0, 20);
        EXPECT_EQ(std::set<std::string>(files.asked.begin(), files.asked.end()).size(), files.asked.size());
    }
}

TEST_F(CommandFromPath, ACommandLineLongerThanThePlatformTakesIsRefusedNotCut) {
    const std::string path = "C:\\g.exe";
    const std::string fits(kMaxCommandLineUnits - 1 - path.size() - 1, 'a');
    EXPECT_EQ(Build(path, fits).commandLine.size(), kMaxCommandLineUnits - 1);
    const RuntimeError e = fake::ErrorOf([&] { Build(path, fits + "a"); });
    EXPECT_EQ(e.number(), 5);
    EXPECT_NE(e.description().find("32767 characters"), std::string::npos) << e.description();
    // Counted in UTF-16 units: a character beyond U+FFFF takes two.
    const std::string fitsWide(fits.size() - 2, 'a');
    EXPECT_EQ(ErrorOf(path, fitsWide + "\xF0\x9F\x8E\xAE"), 0);
    EXPECT_EQ(ErrorOf(path, fitsWide + "a\xF0\x9F\x8E\xAE"), 5);
}

}  // namespace
}  // namespace zarn
