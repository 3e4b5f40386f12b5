#pragma once
// The dialog's two button actions: apply and launch, and browse for the game.

#include <string>
#include <string_view>

#include "dialog/dialog_view.h"
#include "startup/settings.h"

namespace zarn {

// The file-open box behind the browse button.
class FileOpenBox {
public:
    virtual ~FileOpenBox() = default;
    // Shows the modal box; false when the user cancels. Raises a RuntimeError when
    // the box cannot be shown.
    virtual bool ShowOpen() = 0;
    // The full path of the file chosen last.
    virtual std::string FileName() const = 0;
};

// Stores the five settings, runs the game from the chosen path, then unloads the dialog.
void cmdchange_Click(DialogHost& host, SettingsStore& settings, std::string_view arguments);

// Lets the user pick the game in the file-open box. Traps every error: on a cancel
// or a failure the path box keeps its text.
void Command1_Click(DialogView& view, FileOpenBox& box);

}  // namespace zarn
