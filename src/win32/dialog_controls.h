#pragma once
// The dialog's designed controls, made as child windows of the dialog window.

#include <windows.h>

#include "win32/dialog_theme.h"

namespace zarn::win32 {

// Creates the controls of the design table in Tab order, at the theme's DPI, with
// their fonts, and fills the two lists. Raises a RuntimeError on failure.
void CreateDialogControls(HWND dialog, HINSTANCE instance, const DialogTheme& theme);

}  // namespace zarn::win32
