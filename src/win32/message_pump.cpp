#include "win32/message_pump.h"

namespace zarn::win32 {

namespace {

// Using the keyboard shows the focus rectangles (Alt shows the access keys too), as in a
// dialog box. The dialog is told here: IsDialogMessage's documentation promises no such thing.
void ShowKeyboardCuesFor(HWND dialog, const MSG& msg) {
    WORD cues = 0;
    if (msg.message == WM_KEYDOWN) {
        switch (msg.wParam) {
            case VK_TAB:
            case VK_LEFT:
            case VK_RIGHT:
            case VK_UP:
            case VK_DOWN: cues = UISF_HIDEFOCUS; break;
        }
    } else if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_MENU) {
        cues = UISF_HIDEFOCUS | UISF_HIDEACCEL;
    }
    if (cues && (msg.hwnd == dialog || IsChild(dialog, msg.hwnd)))
        SendMessageW(dialog, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, cues), 0);
}

}  // namespace

void Win32MessagePump::Dispatch(MSG& msg) {
    const HWND dialog = dialog_();
    if (dialog) ShowKeyboardCuesFor(dialog, msg);
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
