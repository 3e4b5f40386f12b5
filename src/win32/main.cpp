// zarnres.exe: stands in front of the game, starts it with the arguments it was given,
// and switches the desktop back to the user's display mode once the game has ended.

#include <windows.h>
#include <commctrl.h>

#include "dialog/frmDynamicChange.h"
#include "runtime/arguments.h"
#include "runtime/dispatch.h"
#include "win32/dialog_window.h"
#include "win32/display_modes.h"
#include "win32/file_open_box.h"
#include "win32/game_launcher.h"
#include "win32/message_boxes.h"
#include "win32/message_pump.h"
#include "win32/registry_settings.h"
#include "win32/text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace zarn;
    using namespace zarn::win32;

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    Win32MessageBoxes boxes;
    RegistrySettings settings;
    Win32DisplayModes display;
    Win32GameLauncher launcher;

    int exitCode = 0;
    frmDynamicChange* form = nullptr;
    DialogWindow* window = nullptr;
    // Every handler runs through here: an untrapped error shows its box and ends the program.
    auto handle = [&](auto&& handler) {
        if (!RunHandler(boxes, handler)) {
            exitCode = 1;
            if (window) window->Unload();
        }
    };

    DialogWindow dialog(instance, DialogEvents{
                                      [&] { handle([&] { form->cmdchange_Click(); }); },
                                      [&] { handle([&] { form->Command1_Click(); }); },
                                      [&] { return form->QueryUnload(); },
                                  });
    window = &dialog;
    auto dialogWindow = [&dialog] { return dialog.hwnd(); };
    Win32MessagePump pump(dialogWindow);
    Win32FileOpenBox fileOpenBox(dialogWindow);

    const std::string commandLine = Narrow(GetCommandLineW());
    frmDynamicChange program(dialog, FormServices{GameServices{launcher, pump, settings, display, boxes}, fileOpenBox,
                                                  std::string(ArgumentString(commandLine))});
    form = &program;

    handle([&] {
        dialog.Create();
        program.Form_Load();
    });

    // Runs until no window is left: after a direct launch, an apply, or a close.
    MSG msg;
    while (dialog.Loaded() && GetMessageW(&msg, nullptr, 0, 0) > 0) pump.Dispatch(msg);
    return exitCode != 0 ? exitCode : program.ExitCode();
}
