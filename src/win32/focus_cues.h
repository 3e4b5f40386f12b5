#pragma once
// Keyboard cues: like a dialog box, this window hides its focus rectangles until the keyboard is used.

#include <windows.h>

namespace zarn::win32 {

// Starts the dialog with its focus rectangles hidden, unless the user keeps cues shown.
void InitialiseKeyboardCues(HWND dialog);

// A key that moves the focus (Tab, the arrows; Alt also shows the access keys) shows them.
void ShowKeyboardCuesFor(HWND dialog, const MSG& msg);

// Handles WM_UPDATEUISTATE for the dialog.
LRESULT UpdateUiState(HWND dialog, WPARAM wp, LPARAM lp);

// Whether a control we draw shows its focus rectangle: it has the focus, and Windows
// shows keyboard cues.
bool ShowsFocusRectangle(HWND control, bool focused);

}  // namespace zarn::win32
