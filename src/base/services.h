#pragma once
// The platform services the program relies on, as small interfaces, all in one
// place. The Windows implementations live in src/win32; the unit tests use fakes.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zarn {

// --- Message boxes -------------------------------------------------------------

// Message box icon styles; every box has the one OK button.
enum class BoxStyle { Critical, Question, Information };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Modal to the application, captioned "ZarnRes"; returns when the user closes it.
    virtual void Show(const std::string& text, BoxStyle style) = 0;
};

// --- Window messages -----------------------------------------------------------

class MessagePump {
public:
    virtual ~MessagePump() = default;
    // Handles every window message that is waiting, then returns.
    virtual void DispatchPending() = 0;
};

// --- Stored settings -----------------------------------------------------------

// Per-user text values addressed by application, section and key. A failing
// read or write raises a RuntimeError.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or "" when the key (or its application or section) is absent.
    virtual std::string GetSetting(std::string_view application, std::string_view section, std::string_view key) = 0;
    // Stores the text, creating application, section and key as needed.
    virtual void SaveSetting(std::string_view application, std::string_view section, std::string_view key,
                             std::string_view value) = 0;
};

// --- Display modes -------------------------------------------------------------

struct DisplayMode {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t bitsPerPel = 0;
    std::uint32_t frequency = 0;
};

// What the platform answers to a mode change.
enum class ChangeResult { Successful, Restart, Failed, BadMode, NotUpdated, BadFlags, Other };

// The current display device's modes, in the platform's order.
class DisplayModes {
public:
    virtual ~DisplayModes() = default;
    // The mode at this index, or nothing once the index is past the last mode.
    // Index 0 starts a fresh walk.
    virtual std::optional<DisplayMode> Enumerate(std::uint32_t index) = 0;
    // Switches to the mode exactly as the last enumeration returned it (refresh
    // rate and flags included) and records it as the user's stored mode.
    virtual ChangeResult ApplyEnumerated() = 0;
};

// --- The game's process --------------------------------------------------------

// Answers whether a path names an existing file, or an existing folder.
class FileProbe {
public:
    virtual ~FileProbe() = default;
    virtual bool IsFile(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
};

// Exactly what is started for a game run (see BuildLaunchCommand).
struct LaunchCommand {
    std::string commandLine;       // what the game gets as its command line
    std::string program;           // the program: the resolved file, or the first token as typed
    bool programResolved = false;  // true: program is handed to the platform as the file to run
    std::string parameters;        // the command line after the program's token
    std::string directory;         // the program's folder, "" for a bare name
};

// A started game, watched until it ends. Ending the object releases its handles.
class GameProcess {
public:
    virtual ~GameProcess() = default;
    // Whether the started image is this very program (the same file, not just the same name).
    virtual bool IsThisProgram() = 0;
    // Lets a game that was started suspended run.
    virtual void Resume() = 0;
    // Ends a suspended game that must not run.
    virtual void Discard() = 0;
    // True once the game and every process it started have ended, whatever their
    // exit codes (259 included). Raises a RuntimeError when the game can no longer
    // be watched.
    virtual bool HasEnded() = 0;
    // Blocks until a watched process ends or a window message arrives for this thread.
    virtual void WaitForEndOrMessage() = 0;
};

// Why a start failed, as far as the program acts on it.
enum class StartError { None, FileNotFound, PathNotFound, ElevationRequired, Other };

struct StartResult {
    std::unique_ptr<GameProcess> process;  // nullptr when the start failed
    StartError error = StartError::None;
    std::string errorText;  // then the platform's own text for it
};

class GameLauncher : public FileProbe {
public:
    // Starts the game suspended in a normal window with the focus, in a job of
    // ours where the platform allows one, so that its whole process tree is watched.
    virtual StartResult StartSuspended(const LaunchCommand& command) = 0;
    // Starts the game through the shell, which asks the user for administrator
    // rights; the game runs at once and is watched alone.
    virtual StartResult StartThroughShell(const LaunchCommand& command) = 0;
};

// --- The file-open box ---------------------------------------------------------

class FileOpenBox {
public:
    virtual ~FileOpenBox() = default;
    // Shows the modal box; false when the user cancels. Raises a RuntimeError when
    // the box cannot be shown.
    virtual bool ShowOpen() = 0;
    // The full path of the file chosen last.
    virtual std::string FileName() const = 0;
};

// --- The setup dialog's window -------------------------------------------------

class DialogView {
public:
    virtual ~DialogView() = default;
    virtual void Show() = 0;    // shows the window, not modal
    virtual void Unload() = 0;  // closes and unloads it; the handler that asked runs on
    virtual bool Loaded() const = 0;

    virtual void SetResolutionRow(int row) = 0;
    virtual int ResolutionRow() const = 0;  // -1 when no row is selected
    virtual void SetColourRow(int row) = 0;
    virtual int ColourRow() const = 0;
    virtual void SetPathText(const std::string& text) = 0;
    virtual std::string PathText() const = 0;
    virtual void SetSkipDialog(bool ticked) = 0;  // "Don't show me again"
    virtual bool SkipDialog() const = 0;

    // While a game run is in progress the buttons are inert.
    virtual void SetBusy(bool busy) = 0;
};

}  // namespace zarn
