// zarnres.exe: stands in front of the game, starts it with the arguments it was given,
// and switches the desktop back to the user's display mode once the game has ended.

#include <windows.h>
#include <commctrl.h>

#include "base/arguments.h"
#include "base/boundary.h"
#include "setup/setup_dialog.h"
#include "win32/dialog_view.h"
#include "win32/display_modes.h"
#include "win32/file_open_box.h"
#include "win32/file_probe.h"
#include "win32/game_launcher.h"
#include "win32/message_boxes.h"
#include "win32/message_pump.h"
#include "win32/settings_store.h"
#include "win32/system_library.h"
#include "win32/text.h"

namespace zarn::win32 {
namespace {

std::string OwnArguments() { return std::string(ArgumentString(Narrow(GetCommandLineW()))); }

// The program: the platform's services, the setup dialog over them, and the one
// place where an untrapped error ends in the error box and ends the program.
class Program {
public:
    explicit Program(HINSTANCE instance) : window_(instance) {}
    int Run();

private:
    HWND Dialog() const { return window_.hwnd(); }
    template <typename Handler>
    void Handle(Handler&& handler) {
        if (!RunHandler(errorBox_, handler)) window_.Unload();
    }
    void OnStart();
    void OnRun() {
        Handle([this] { setup_.OnRunClicked(); });
    }
    void OnBrowse() {
        Handle([this] { setup_.OnBrowseClicked(); });
    }
    // Raised inside the window's own procedures, drawing included.
    void OnFailed(std::exception_ptr error) {
        errorBox_.Show(error);
        window_.Unload();
    }

    Win32MessageBoxes boxes_;
    Win32SettingsStore settings_;
    Win32DisplayModes display_;
    Win32DialogView window_;
    Win32FileProbe files_;
    Win32GameLauncher launcher_{[this] { return Dialog(); }};
    Win32MessagePump pump_{[this] { return Dialog(); }};
    Win32FileOpenBox fileOpenBox_{[this] { return Dialog(); }};
    SetupDialog setup_{window_,
                       SetupServices{GameServices{files_, launcher_, pump_, settings_, display_, boxes_}, fileOpenBox_},
                       OwnArguments()};
    ErrorBox errorBox_{boxes_};
};

void Program::OnStart() {
    window_.Create(DialogEvents{[this] { OnRun(); }, [this] { OnBrowse(); }, [this] { return setup_.CanClose(); },
                                [this](std::exception_ptr error) { OnFailed(error); }});
    setup_.Load();
}

int Program::Run() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Handle([this] { OnStart(); });
    // Runs until no window is left: after a direct launch, an apply, or a close.
    MSG msg;
    while (window_.Loaded() && GetMessageW(&msg, nullptr, 0, 0) > 0) pump_.Dispatch(msg);
    window_.Unload();  // now, while the handlers its procedures call still exist
    return errorBox_.shown() ? 1 : setup_.ExitCode();
}

}  // namespace
}  // namespace zarn::win32

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    zarn::win32::LoadLibrariesOnlyFromSystemFolder();
    return zarn::win32::Program(instance).Run();
}
