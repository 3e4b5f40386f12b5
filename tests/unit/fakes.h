#pragma once
// Small fakes of the platform services. Each records what it is asked, in order,
// into one shared log, so tests can check the sequence across services.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "base/message_boxes.h"
#include "base/message_pump.h"
#include "display/display_modes.h"
#include "game/game_launcher.h"
#include "game/game_run.h"
#include "model/settings.h"
#include "model/settings_store.h"
#include "setup/dialog_view.h"
#include "setup/file_open_box.h"
#include "setup/setup_dialog.h"

namespace zarn::fake {

using Log = std::vector<std::string>;

// Where the direct launch finds the game, written once for the tests.
inline const std::string kGame = "C:\\Colvane\\Vantreel\\zarnsl.exe";

// The run-time error a call raises; number 0 when it raises none.
template <typename Call>
RuntimeError ErrorOf(Call&& call) {
    try {
        std::forward<Call>(call)();
    } catch (const RuntimeError& e) {
        return e;
    }
    return RuntimeError(0, "no error");
}

class Logged {
public:
    explicit Logged(Log& log) : log_(&log) {}

protected:
    Log* log_;
};

class Settings : public SettingsStore, Logged {
public:
    using Logged::Logged;
    std::map<std::string, std::string> values;  // key -> text; absent keys read as ""
    std::optional<std::string> failWriteOf;     // a write of this key raises error 5

    void Write(std::string_view key, std::string_view value) override {
        log_->push_back("save " + std::string(key) + "=" + std::string(value));
        if (failWriteOf == key) throw error::InvalidCall("Access is denied.");
        values[std::string(key)] = std::string(value);
    }

protected:
    std::string ReadStored(std::string_view key) override {
        log_->push_back("get " + std::string(key));
        const auto it = values.find(std::string(key));
        return it == values.end() ? "" : it->second;
    }
};

class Boxes : public MessageBoxes, Logged {
public:
    using Logged::Logged;
    struct Box {
        std::string text;
        BoxStyle style;
    };
    std::vector<Box> shown;
    std::function<void()> whileUp;  // runs once while the next box is up, as a repaint behind it would
    void Show(const std::string& text, BoxStyle style) override {
        log_->push_back("box " + text);
        shown.push_back({text, style});
        if (auto run = std::exchange(whileUp, nullptr)) run();
    }
};

class Pump : public MessagePump, Logged {
public:
    using Logged::Logged;
    std::function<void()> onDispatch;  // runs "handlers" nested in the wait
    void DispatchPending() override {
        log_->push_back("dispatch");
        if (onDispatch) onDispatch();
    }
};

class Display : public DisplayModes, Logged {
public:
    using Logged::Logged;
    std::vector<DisplayMode> modes;
    ChangeResult answer = ChangeResult::Successful;
    std::vector<DisplayMode> applied;
    std::optional<std::uint32_t> last;

    std::optional<DisplayMode> Enumerate(std::uint32_t index) override {
        last = index < modes.size() ? std::optional(index) : std::nullopt;
        return last ? std::optional(modes[index]) : std::nullopt;
    }
    ChangeResult ApplyEnumerated() override {
        const DisplayMode& m = applied.emplace_back(modes.at(last.value()));
        log_->push_back("apply " + std::to_string(m.width) + "x" + std::to_string(m.height) + "x" +
                        std::to_string(m.depth));
        return answer;
    }
};

// A file system of listed files and folders that records every path looked up.
struct Files : FileProbe {
    std::set<std::string> existing, folders, gone;  // gone: folders that do not exist
    std::map<std::string, std::string> full;        // a path's full form, where it is not the path itself
    std::vector<std::string> asked;
    std::string FullPath(const std::string& path) override { return full.count(path) ? full.at(path) : path; }
    PathKind Kind(const std::string& path) override {
        asked.push_back(path);
        if (existing.count(path)) return PathKind::File;
        if (folders.count(path)) return PathKind::Folder;
        const auto slash = path.find_last_of('\\');
        return slash != std::string::npos && gone.count(path.substr(0, slash)) ? PathKind::MissingFolder
                                                                               : PathKind::Missing;
    }
};

class Process : public GameProcess, Logged {
public:
    Process(Log& log, int passesUntilEnd, int passesUntilOthersEnd, bool isThisProgram)
        : Logged(log), passesLeft_{passesUntilEnd, passesUntilOthersEnd}, isThisProgram_(isThisProgram) {}
    ~Process() override { log_->push_back("close"); }
    bool IsThisProgram() override { return isThisProgram_; }
    void Resume() override { log_->push_back("resume"); }
    void Discard() override { log_->push_back("discard"); }
    bool IsRunning(GamePart part) override {
        log_->push_back(part == GamePart::OwnProcess ? "poll" : "poll others");
        return passesLeft_[part == GamePart::Others]-- > 0;
    }
    void WatchOthers() override { log_->push_back("watch"); }
    void WaitForEndOrMessage(GamePart p) override { log_->push_back(p == GamePart::Others ? "wait others" : "wait"); }

private:
    int passesLeft_[2];  // looks until the own process ends, and the others
    bool isThisProgram_;
};

class Launcher : public GameLauncher, Logged {
public:
    using Logged::Logged;
    std::vector<std::string> started;  // command lines of the games let run
    std::vector<LaunchCommand> commands;
    int passesUntilEnd = 0, passesUntilOthersEnd = 0;
    bool startedByGameRun = false;
    StartError failWith = StartError::None;        // how the direct start fails
    StartError shellFailsWith = StartError::None;  // and a start through the shell
    std::string failWithText;                      // the platform's text for it, when not the default
    bool isThisProgram = false;

    StartResult StartSuspended(const LaunchCommand& command) override {
        log_->push_back("start " + command.commandLine);
        return Answer(command, failWith);
    }
    StartResult StartThroughShell(const LaunchCommand& command) override {
        log_->push_back("shell " + command.program + " |" + command.parameters);
        return Answer(command, shellFailsWith);
    }
    bool StartedByGameRun() const override { return startedByGameRun; }

private:
    StartResult Answer(const LaunchCommand& command, StartError error) {
        if (error != StartError::None)
            return {nullptr, error, failWithText.empty() ? "The system's reason." : failWithText};
        started.push_back(command.commandLine);
        commands.push_back(command);
        return {.process = std::make_unique<Process>(*log_, passesUntilEnd, passesUntilOthersEnd, isThisProgram)};
    }
};

// The dialog's window: plain state plus a log of Show, Unload and SetBusy.
class View : public DialogView, Logged {
public:
    using Logged::Logged;
    bool shown = false, loaded = true, busy = false, skipDialog = false;
    int resolutionRow = -1, depthRow = -1;
    std::string pathText;

    void Show() override {
        log_->push_back("show");
        shown = true;
    }
    void Unload() override {
        log_->push_back("unload");
        loaded = false;
    }
    bool Loaded() const override { return loaded; }
    void SetResolutionRow(int row) override { resolutionRow = row; }
    int ResolutionRow() const override { return resolutionRow; }
    void SetDepthRow(int row) override { depthRow = row; }
    int DepthRow() const override { return depthRow; }
    void SetPathText(const std::string& text) override { pathText = text; }
    std::string PathText() const override { return pathText; }
    void SetSkipDialog(bool ticked) override { skipDialog = ticked; }
    bool SkipDialog() const override { return skipDialog; }
    void SetBusy(bool b) override {
        log_->push_back(b ? "busy" : "idle");
        busy = b;
    }
};

class OpenBox : public FileOpenBox {
public:
    std::deque<std::optional<std::string>> answers;  // a path, or nothing for a cancel
    bool fail = false;
    int shows = 0;
    std::string fileName;
    bool ShowOpen() override {
        ++shows;
        if (fail) throw error::InvalidCall("The file-open box could not be shown");
        if (answers.empty()) throw error::InvalidCall("The test gave the file-open box no answer");
        const auto answer = answers.front();
        answers.pop_front();
        if (answer) fileName = *answer;
        return answer.has_value();
    }
    std::string FileName() const override { return fileName; }
};

// Everything a game run talks to, sharing one log.
struct GameWorld {
    Log log;
    Settings settings{log};
    Boxes boxes{log};
    Pump pump{log};
    Display display{log};
    Files files;
    Launcher launcher{log};
    GameServices services{files, launcher, pump, settings, display, boxes};
};

struct SetupWorld : GameWorld {
    View view{log};
    OpenBox openBox;
    SetupDialog Dialog(std::string arguments = "") {
        return SetupDialog(view, SetupServices{services, openBox}, std::move(arguments));
    }
};

}  // namespace zarn::fake
