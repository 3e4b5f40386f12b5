#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "fakes.h"
#include "game/launch_command.h"

namespace zarn {
namespace {

struct Files : FileProbe {
    std::vector<std::string> existing;
    std::vector<std::string> folders;
    std::vector<std::string> asked;
    bool IsFile(const std::string& path) override {
        asked.push_back(path);
        return std::find(existing.begin(), existing.end(), path) != existing.end();
    }
    bool IsFolder(const std::string& path) override {
        return std::find(folders.begin(), folders.end(), path) != folders.end();
    }
};

struct CommandFromPath : ::testing::Test {
    Files files;
    LaunchCommand Build(std::string_view path, std::string_view arguments = "-x") {
        return BuildLaunchCommand(path, arguments, files);
    }
    int ErrorOf(std::string_view path, std::string_view arguments = "-x") {
        try {
            Build(path, arguments);
        } catch (const RuntimeError& e) {
            return e.number();
        }
        return 0;
    }
};

TEST_F(CommandFromPath, QuotedOrBlankFreePathsGoOutAsTypedWithoutAsking) {
    auto c = Build("C:\\Colvane\\Vantreel\\zarnsl.exe");
    EXPECT_EQ(c.commandLine, "C:\\Colvane\\Vantreel\\zarnsl.exe -x");
    EXPECT_EQ(c.program, "C:\\Colvane\\Vantreel\\zarnsl.exe");
    EXPECT_FALSE(c.programResolved);
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
    EXPECT_TRUE(files.asked.empty());
}

TEST_F(CommandFromPath, APathWithABlankRunsTheLongestExistingPartFollowedByNoFolder) {
    files.existing = {"C:\\Program.exe", "C:\\Program Files\\Van Treel\\zarnsl.exe"};
    auto c = Build("C:\\Program Files\\Van Treel\\zarnsl.exe -window");
    EXPECT_EQ(c.commandLine, "\"C:\\Program Files\\Van Treel\\zarnsl.exe\" -window -x");
    EXPECT_EQ(c.program, "C:\\Program Files\\Van Treel\\zarnsl.exe");
    EXPECT_TRUE(c.programResolved);
    EXPECT_EQ(c.parameters, " -window -x");
    EXPECT_EQ(c.directory, "C:\\Program Files\\Van Treel");

    // C:\Program.exe exists, but what follows it names a folder: never run.
    EXPECT_EQ(ErrorOf("C:\\Program Files\\Zarn\\missing.exe"), 53);
    EXPECT_EQ(ErrorOf("C:\\Program Files\\Zarn"), 53);
    EXPECT_EQ(ErrorOf("C:\\Program Files/Zarn"), 53);
}

TEST_F(CommandFromPath, ResolutionAddsExeKeepsTrailingBlanksAndRelativeNames) {
    files.existing = {"C:\\My Games\\zarnsl.exe", "My Games\\zarnsl.exe"};
    auto c = Build("C:\\My Games\\zarnsl -w");  // ".exe" added to find it, typed part quoted
    EXPECT_EQ(c.commandLine, "\"C:\\My Games\\zarnsl\" -w -x");
    EXPECT_EQ(c.program, "C:\\My Games\\zarnsl.exe");

    c = Build("C:\\My Games\\zarnsl.exe  ", "");  // blanks after the program stay as typed
    EXPECT_EQ(c.commandLine, "\"C:\\My Games\\zarnsl.exe\"   ");
    EXPECT_EQ(c.program, "C:\\My Games\\zarnsl.exe");

    c = Build("My Games\\zarnsl.exe");
    EXPECT_EQ(c.commandLine, "\"My Games\\zarnsl.exe\" -x");
    EXPECT_EQ(c.directory, "My Games");
}

TEST_F(CommandFromPath, AFolderIsRefusedAsAWholeNeverRunAsAShorterPart) {
    files.existing = {"C:\\Program Files\\Van.exe", "C:\\Games.exe"};
    files.folders = {"C:\\Program Files\\Van Treel", "C:\\Games"};
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Program Files\\Van Treel", "C:\\Program Files\\Van Treel"},
        {"C:\\Program Files\\Van Treel \t ", "C:\\Program Files\\Van Treel"},
        {"\"C:\\Program Files\\Van Treel\"", "C:\\Program Files\\Van Treel"},
        {"C:\\Games", "C:\\Games"},
    };
    for (const auto& [path, folder] : cases) {
        try {
            Build(path);
            FAIL() << path << " was not refused";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), 5) << path;
            EXPECT_EQ(e.description(), std::string(folder) + " is a folder, not a program.") << path;
        }
    }
    EXPECT_TRUE(files.asked.empty());  // refused before any part is looked up
}

TEST_F(CommandFromPath, EmptyOrBlankPathsAreFileNotFound) {
    EXPECT_EQ(ErrorOf(""), 53);
    EXPECT_EQ(ErrorOf("   "), 53);
    EXPECT_EQ(ErrorOf("\t"), 53);
}

TEST_F(CommandFromPath, ACommandLineLongerThanThePlatformTakesIsRefusedNotCut) {
    const std::string path = "C:\\g.exe";
    const std::string fits(kMaxCommandLineUnits - 1 - path.size() - 1, 'a');
    EXPECT_EQ(Build(path, fits).commandLine.size(), kMaxCommandLineUnits - 1);
    try {
        Build(path, fits + "a");
        FAIL() << "not refused";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 5);
        EXPECT_NE(e.description().find("32767 characters"), std::string::npos) << e.description();
    }
    // Counted in UTF-16 units: a character beyond U+FFFF takes two.
    const std::string fitsWide(fits.size() - 2, 'a');
    EXPECT_EQ(ErrorOf(path, fitsWide + "\xF0\x9F\x8E\xAE"), 0);
    EXPECT_EQ(ErrorOf(path, fitsWide + "a\xF0\x9F\x8E\xAE"), 5);
}

}  // namespace
}  // namespace zarn
