#pragma once
// The setup dialog's program side: what happens when the program starts, and when
// the user clicks Run or Browse, written against the dialog's window (DialogView)
// and the platform services.

#include <string>
#include <string_view>

#include "game/game_run.h"
#include "setup/dialog_view.h"
#include "setup/file_open_box.h"

namespace zarn {

// The direct launch starts the game at its default location, or where the user
// chose it in the dialog when no file is at the default location.
inline constexpr std::string_view kDefaultGamePath = "C:\\Colvane\\Vantreel\\zarnsl.exe";

struct SetupServices {
    GameServices game;
    FileOpenBox& fileOpenBox;
};

class SetupDialog {
public:
    SetupDialog(DialogView& view, SetupServices services, std::string arguments)
        : view_(view), services_(services), arguments_(std::move(arguments)) {}

    // Shows the dialog filled from the stored settings, then either leaves it to
    // the user or closes it and launches the game at once. Started by the game of a
    // run (GameLauncher::StartedByGameRun), it raises error 5 instead and starts
    // nothing: no endless chain of ZarnRes.
    void Load();
    // Stores the five settings, runs the game from the path box, then closes the dialog.
    void OnRunClicked();
    // Lets the user pick the game in the file-open box. Traps every error: on a
    // cancel or a failure the path box keeps its text.
    void OnBrowseClicked();
    // Whether the window may close now; a close asked for during a game run is held.
    bool CanClose() const { return !busy_; }
    // The program's exit code after its handlers ran without an error: 2 when a
    // game ran but the desktop was not switched, else 0.
    int ExitCode() const { return gameRanWithoutSwitch_ ? 2 : 0; }

private:
    std::string_view DirectLaunchPath(std::string_view storedPath) const;
    // The run's wait handles window messages, and so runs this dialog's handlers nested
    // inside it (the Run and Browse clicks, a close by the frame, Tab and Enter): while
    // busy they return at once, and a close is held until the run, restore included, is
    // over. A direct launch closes the dialog before the run, a run from the dialog after.
    void RunGameWhileBusy(std::string_view gamePath);

    DialogView& view_;
    SetupServices services_;
    std::string arguments_;
    bool busy_ = false;  // with a game run, restore included
    bool gameRanWithoutSwitch_ = false;
};

}  // namespace zarn
