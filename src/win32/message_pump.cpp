#include "win32/message_pump.h"

#include "win32/focus_cues.h"

namespace zarn::win32 {

void Win32MessagePump::Dispatch(MSG& msg) {
    const HWND dialog = dialog_();
    if (dialog) ShowKeyboardCuesFor(dialog, msg);  // as in a dialog box
    if (dialog && IsDialogMessageW(dialog, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void Win32MessagePump::DispatchPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;  // the program ends when its window is gone, not on WM_QUIT
        Dispatch(msg);
    }
}

}  // namespace zarn::win32
