#include "win32/dialog_controls.h"

#include <algorithm>

#include "model/catalogue.h"
#include "setup/layout.h"
#include "win32/gdi.h"
#include "win32/system_error.h"
#include "win32/text.h"

namespace zarn::win32 {

namespace {

constexpr int kListDropRows = 6;    // rows a list shows when it drops down
constexpr int kListRowFramePx = 3;  // device pixels of a closed list's frame above and below its row
constexpr int kLabelSlackPx = 2;    // device pixels a label is wider than its caption

// Width of a control's caption in its font, drawn in this window.
int CaptionWidth(HWND window, const layout::Control& design, const PaintResources& resources) {
    const WindowDc dc(window);
    const SelectedObject font(dc.get(), resources.FontOf(design));
    const std::wstring wide = Widen(design.text);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

// A control's window size: the designed one, but a caption is never cut (the label and the check
// box grow to fit it if the font needs more room), and a list's holds its dropped rows too.
SIZE WindowSize(HWND dialog, const layout::Control& design, const PaintResources& resources) {
    const Dpi& dpi = resources.dpi();
    SIZE size{dpi.FromTwips(design.width), dpi.FromTwips(design.height)};
    if (design.kind == layout::Kind::Label)
        size.cx = std::max<LONG>(size.cx, CaptionWidth(dialog, design, resources) + kLabelSlackPx);
    if (design.kind == layout::Kind::PictureCheckBox)
        size.cx =
            std::max<LONG>(size.cx, DialogPainter::CheckBoxWidthAround(dpi, CaptionWidth(dialog, design, resources)));
    if (design.kind == layout::Kind::DropDownList) size.cy += kListDropRows * dpi.FromTwips(design.height);
    return size;
}

void CreateControl(HWND dialog, HINSTANCE instance, const PaintResources& resources, const layout::Control& design) {
    const Dpi& dpi = resources.dpi();
    const SIZE size = WindowSize(dialog, design, resources);
    const HWND control =
        CreateWindowExW(0, KindOf(design.kind).windowClass, Widen(design.text).c_str(), KindOf(design.kind).style,
                        dpi.FromTwips(design.left), dpi.FromTwips(design.top), size.cx, size.cy, dialog,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), instance, nullptr);
    if (!control) throw SystemError(GetLastError(), "Creating the dialog's controls");
    // A list's rows are drawn by the painter in their font: told the font, a list would only resize
    // itself once more. Its closed height is the designed one instead, and its rows match it.
    if (design.kind != layout::Kind::DropDownList)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(resources.FontOf(design)), FALSE);
    else
        for (const WPARAM part : {static_cast<WPARAM>(-1), WPARAM{0}})
            SendMessageW(control, CB_SETITEMHEIGHT, part, dpi.FromTwips(design.height) - 2 * kListRowFramePx);
}

void AddRows(HWND list, const auto& rows) {
    for (const auto& row : rows) SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(row.text).c_str()));
}

}  // namespace

void CreateDialogControls(HWND dialog, HINSTANCE instance, const PaintResources& resources) {
    // Creation order is the Tab order: the dialog manager walks the children in z-order.
    for (const layout::Control* design : layout::ControlsByTabIndex())
        CreateControl(dialog, instance, resources, *design);
    // The label's last pixel row lies under the path box's frame: labels go beneath the other
    // controls. They take no focus, so their place in the z-order does not change the Tab order.
    for (const layout::Control& design : layout::kControls)
        if (design.kind == layout::Kind::Label)
            SetWindowPos(GetDlgItem(dialog, design.id), HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void AddListRows(HWND dialog) {
    const HWND resolutions = GetDlgItem(dialog, layout::id::kResolutionList);
    if (SendMessageW(resolutions, CB_GETCOUNT, 0, 0) > 0) return;
    AddRows(resolutions, kResolutionRows);
    AddRows(GetDlgItem(dialog, layout::id::kColourList), kDepthRows);
}

}  // namespace zarn::win32
