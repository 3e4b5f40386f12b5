#include "win32/focus_cues.h"

namespace zarn::win32 {

// A dialog box starts with its focus rectangles hidden when the last input came from the
// mouse, and shows them once the keyboard is used; this plain window asks for the same, now
// that its controls exist to take the state on. Users who want cues always shown keep them.
void InitialiseKeyboardCues(HWND dialog) {
    BOOL alwaysUnderline = FALSE, keyboardPreferred = FALSE;
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &alwaysUnderline, 0);
    SystemParametersInfoW(SPI_GETKEYBOARDPREF, 0, &keyboardPreferred, 0);
    if (alwaysUnderline || keyboardPreferred) return;
    SendMessageW(dialog, WM_UPDATEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}

// The dialog is told here: IsDialogMessage's documentation promises no such thing.
void ShowKeyboardCuesFor(HWND dialog, const MSG& msg) {
    static_assert(VK_LEFT + 1 == VK_UP && VK_UP + 1 == VK_RIGHT && VK_RIGHT + 1 == VK_DOWN, "the arrows in a row");
    WORD cues = 0;
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_TAB || (msg.wParam >= VK_LEFT && msg.wParam <= VK_DOWN)))
        cues = UISF_HIDEFOCUS;
    else if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_MENU)
        cues = UISF_HIDEFOCUS | UISF_HIDEACCEL;
    if (cues && (msg.hwnd == dialog || IsChild(dialog, msg.hwnd)))
        SendMessageW(dialog, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, cues), 0);
}

// The state changes here and in every control (DefWindowProc passes it down); the controls we
// draw draw their focus rectangle by it, so they are drawn again when it shows or hides.
LRESULT UpdateUiState(HWND dialog, WPARAM wp, LPARAM lp) {
    const LRESULT before = SendMessageW(dialog, WM_QUERYUISTATE, 0, 0);
    const LRESULT result = DefWindowProcW(dialog, WM_UPDATEUISTATE, wp, lp);
    if ((SendMessageW(dialog, WM_QUERYUISTATE, 0, 0) ^ before) & UISF_HIDEFOCUS)
        for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT))
            InvalidateRect(control, nullptr, FALSE);
    return result;
}

// The control's own UI state: not every system's buttons pass it on as ODS_NOFOCUSRECT.
bool ShowsFocusRectangle(HWND control, bool focused) {
    return focused && !(SendMessageW(control, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

}  // namespace zarn::win32
