#include "dialog/actions.h"

#include "runtime/errors.h"
#include "startup/catalogue.h"

namespace zarn {

namespace {

template <typename Rows>
const auto& SelectedRow(const Rows& rows, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= rows.size()) throw error::InvalidCall();
    return rows[static_cast<std::size_t>(index)];
}

}  // namespace

void cmdchange_Click(DialogHost& host, SettingsStore& settings, std::string_view arguments) {
    const int width = SelectedRow(kResolutionRows, host.ResolutionRow()).width;
    const int height = HeightForWidth(width);
    const int bits = SelectedRow(kColourRows, host.ColourRow()).bitsPerPixel;
    const std::string path = host.PathText();

    SaveSetting(settings, key::ShowRes, host.CheckValue() == 0 ? "00" : "11");
    SaveSetting(settings, key::ScreenX, std::to_string(width));
    SaveSetting(settings, key::ScreenY, std::to_string(height));
    SaveSetting(settings, key::BitRes, std::to_string(bits));
    SaveSetting(settings, key::ZarnPath, path);

    host.RunShell(path, arguments);
    host.Unload();
}

void Command1_Click(DialogView& view, FileOpenBox& box) {
    try {
        if (!box.ShowOpen()) return;
        view.SetPathText(box.FileName());
    } catch (...) {
        // The browse action ends quietly on any failure; the path box keeps its text.
    }
}

}  // namespace zarn
