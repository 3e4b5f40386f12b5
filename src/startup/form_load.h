#pragma once
// The start-up sequence: fills the dialog from the stored settings, then either
// leaves it to the user or closes it and launches the game at once.

#include <string>
#include <string_view>

#include "dialog/dialog_view.h"
#include "startup/settings.h"

namespace zarn {

// The direct launch always starts the game at its default location.
inline constexpr std::string_view kDefaultGamePath = "C:\\Colvane\\Vantreel\\zarnsl.exe";

void Form_Load(DialogHost& host, SettingsStore& settings, std::string_view arguments);

}  // namespace zarn
