#pragma once
// Keyboard cues: a dialog box hides its focus rectangles until the keyboard is used.
// This plain window and its owner-drawn controls do the same, in these few steps.

#include <windows.h>

namespace zarn::win32 {

// Starts the dialog with its focus rectangles hidden, unless the user keeps cues shown.
void InitialiseKeyboardCues(HWND dialog);

// A key that moves the focus (Tab, the arrows; Alt also shows the access keys) shows them.
void ShowKeyboardCuesFor(HWND dialog, const MSG& msg);

// Handles WM_UPDATEUISTATE for the dialog: redraws its controls when their focus
// rectangles show or hide.
LRESULT UpdateUiState(HWND dialog, WPARAM wp, LPARAM lp);

// Whether a control we draw shows its focus rectangle: it has the focus, and Windows
// shows keyboard cues.
bool ShowsFocusRectangle(HWND control, bool focused);

}  // namespace zarn::win32
