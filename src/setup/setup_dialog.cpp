#include "setup/setup_dialog.h"

#include "base/arguments.h"
#include "base/errors.h"
#include "model/catalogue.h"
#include "model/settings.h"

namespace zarn {

namespace {

template <typename Rows>
const auto& SelectedRow(const Rows& rows, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= rows.size()) throw error::InvalidCall();
    return rows[static_cast<std::size_t>(index)];
}

}  // namespace

void SetupDialog::Load() {
    if (services_.game.launcher.StartedByGameRun())
        throw error::InvalidCall(
            "ZarnRes was started by the game it is waiting for, so it does not start the game again.");
    SettingsStore& settings = services_.game.settings;
    view_.Show();
    view_.SetResolutionRow(0);
    view_.SetDepthRow(0);
    if (const auto row = ResolutionRowForStoredWidth(settings.Read(key::kScreenX))) view_.SetResolutionRow(*row);
    if (const auto row = DepthRowForStored(settings.Read(key::kBitRes))) view_.SetDepthRow(*row);
    const std::string storedPath = settings.Read(key::kZarnPath);
    view_.SetPathText(storedPath);

    if (ResSwitchForcesDialog(arguments_)) return;

    const bool skipDialog = settings.Read(key::kShowRes) == "11";
    view_.SetSkipDialog(skipDialog);
    if (skipDialog) {
        view_.Unload();
        RunGameWhileBusy(DirectLaunchPath(storedPath));
    }
}

void SetupDialog::OnRunClicked() {
    if (busy_) return;  // one game run at a time
    SettingsStore& settings = services_.game.settings;
    const ResolutionRow& resolution = SelectedRow(kResolutionRows, view_.ResolutionRow());
    const int depth = SelectedRow(kDepthRows, view_.DepthRow()).depth;
    const std::string path = view_.PathText();

    settings.Write(key::kShowRes, view_.SkipDialog() ? "11" : "00");
    settings.Write(key::kScreenX, std::to_string(resolution.width));
    settings.Write(key::kScreenY, std::to_string(resolution.height));
    settings.Write(key::kBitRes, std::to_string(depth));
    settings.Write(key::kZarnPath, path);

    RunGameWhileBusy(path);
    view_.Unload();
}

void SetupDialog::OnBrowseClicked() {
    if (busy_) return;
    try {
        if (!services_.fileOpenBox.ShowOpen()) return;
        view_.SetPathText(services_.fileOpenBox.FileName());
    } catch (...) {
        // The browse action ends quietly on any failure; the path box keeps its text.
    }
}

std::string_view SetupDialog::DirectLaunchPath(std::string_view storedPath) const {
    if (storedPath.empty() || services_.game.files.Kind(std::string(kDefaultGamePath)) == PathKind::File)
        return kDefaultGamePath;
    return storedPath;
}

void SetupDialog::RunGameWhileBusy(std::string_view gamePath) {
    struct Busy {
        SetupDialog& dialog;
        explicit Busy(SetupDialog& d) : dialog(d) { dialog.view_.SetBusy(dialog.busy_ = true); }
        ~Busy() { dialog.view_.SetBusy(dialog.busy_ = false); }
    } busy(*this);
    gameRanWithoutSwitch_ = !RunGameThenSwitchMode(gamePath, arguments_, services_.game);
}

}  // namespace zarn
