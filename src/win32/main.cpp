// zarnres.exe: stands in front of the game, starts it with the arguments it was given,
// and switches the desktop back to the user's display mode once the game has ended.

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "base/arguments.h"
#include "base/dispatch.h"
#include "setup/setup_dialog.h"
#include "win32/dialog_view.h"
#include "win32/display_modes.h"
#include "win32/file_open_box.h"
#include "win32/file_probe.h"
#include "win32/game_launcher.h"
#include "win32/message_boxes.h"
#include "win32/message_pump.h"
#include "win32/settings_store.h"
#include "win32/text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace zarn;
    using namespace zarn::win32;

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The shell may use COM to start a game that asks for administrator rights.
    // A failure here is not fatal: the shell then reports its own error.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

    Win32MessageBoxes boxes;
    Win32SettingsStore settings;
    Win32DisplayModes display;
    Win32DialogView window(instance);
    auto dialogWindow = [&window] { return window.hwnd(); };
    Win32FileProbe files;
    Win32GameLauncher launcher(dialogWindow);
    Win32MessagePump pump(dialogWindow);
    Win32FileOpenBox fileOpenBox(dialogWindow);

    const std::string commandLine = Narrow(GetCommandLineW());
    const bool startedByGameRun = GetEnvironmentVariableW(Widen(kGameRunMark).c_str(), nullptr, 0) != 0;
    SetupDialog setup(window, SetupServices{GameServices{files, launcher, pump, settings, display, boxes}, fileOpenBox},
                      std::string(ArgumentString(commandLine)), startedByGameRun);

    // Every handler runs through here: an untrapped error shows its box and ends the program.
    ErrorBox errorBox(boxes);
    auto handle = [&](auto&& handler) {
        if (!RunHandler(errorBox, handler)) window.Unload();
    };
    handle([&] {
        window.Create(DialogEvents{
            [&] { handle([&] { setup.OnRunClicked(); }); },
            [&] { handle([&] { setup.OnBrowseClicked(); }); },
            [&] { return setup.CanClose(); },
            // Raised inside the window's own procedures, drawing included.
            [&](std::exception_ptr error) { handle([&] { std::rethrow_exception(error); }); },
        });
        setup.Load();
    });

    // Runs until no window is left: after a direct launch, an apply, or a close.
    MSG msg;
    while (window.Loaded() && GetMessageW(&msg, nullptr, 0, 0) > 0) pump.Dispatch(msg);
    window.Unload();  // now, while the handlers its procedures call still exist
    if (SUCCEEDED(com)) CoUninitialize();
    return errorBox.Shown() ? 1 : setup.ExitCode();
}
