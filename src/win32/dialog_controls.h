#pragma once
// The dialog's designed controls, made as child windows of the dialog window.

#include <windows.h>

#include "win32/dialog_painter.h"

namespace zarn::win32 {

// Creates the controls of the design table in Tab order, at the resources' DPI, with
// their fonts. Raises a RuntimeError on failure.
void CreateDialogControls(HWND dialog, HINSTANCE instance, const PaintResources& resources);

// Fills the two lists with the catalogue's rows, once. The first paint needs none of
// them (no row is selected yet), so this waits until the window is shown.
void AddListRows(HWND dialog);

}  // namespace zarn::win32
