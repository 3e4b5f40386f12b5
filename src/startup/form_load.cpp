#include "startup/form_load.h"

#include "runtime/numbers.h"
#include "startup/catalogue.h"

namespace zarn {

void Form_Load(DialogHost& host, SettingsStore& settings, std::string_view arguments) {
    host.Show();
    host.SetResolutionRow(0);
    host.SetColourRow(0);
    if (const auto row = ResolutionRowForStoredWidth(GetSetting(settings, key::ScreenX)))
        host.SetResolutionRow(*row);
    if (const auto row = ColourRowForStoredDepth(GetSetting(settings, key::BitRes)))
        host.SetColourRow(*row);
    host.SetPathText(GetSetting(settings, key::ZarnPath));

    // "/res" forces the dialog, but only where it does not open the argument string.
    if (InStr(arguments, "/res") > 1) return;

    if (GetSetting(settings, key::ShowRes) == "11") {
        host.SetCheckValue(1);
        host.Unload();
        host.RunShell(kDefaultGamePath, arguments);
    } else {
        host.SetCheckValue(0);
    }
}

}  // namespace zarn
