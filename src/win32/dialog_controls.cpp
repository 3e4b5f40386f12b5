#include "win32/dialog_controls.h"

#include <algorithm>

#include "model/catalogue.h"
#include "setup/layout.h"
#include "win32/system_error.h"
#include "win32/text.h"

namespace zarn::win32 {

namespace {

constexpr int kListDropRows = 6;    // rows a list shows when it drops down
constexpr int kListRowFramePx = 3;  // device pixels of a closed list's frame above and below its row
constexpr int kLabelSlackPx = 2;    // device pixels a label is wider than its caption

// The window class, style and size of one designed control.
struct ChildWindow {
    const wchar_t* windowClass;
    DWORD style;
    int width, height;
};

ChildWindow ChildWindowFor(HWND dialog, const layout::Control& design, const DialogPainter& painter) {
    const Dpi& dpi = painter.dpi();
    ChildWindow child{L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP, dpi.FromTwips(design.width),
                      dpi.FromTwips(design.height)};
    // A caption is never cut: the label and the check box grow to fit it if the font needs more room.
    switch (design.kind) {
        case layout::Kind::PictureButton: child.style |= BS_OWNERDRAW; break;
        case layout::Kind::PictureCheckBox:
            // A check box to assistive tools, with its state; drawn through NM_CUSTOMDRAW.
            child.style |= BS_CHECKBOX;
            child.width = painter.CheckBoxWidth(dialog, design);
            break;
        case layout::Kind::TextBox:
            child.windowClass = L"EDIT";
            child.style |= ES_AUTOHSCROLL | ES_LEFT | WS_BORDER;
            break;
        case layout::Kind::DropDownList:
            child.windowClass = L"COMBOBOX";
            child.style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL;
            child.height += kListDropRows * dpi.FromTwips(design.height);
            break;
        case layout::Kind::Label:
            child.windowClass = L"STATIC";
            child.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFTNOWORDWRAP | SS_NOPREFIX;
            child.width = std::max(child.width, painter.TextWidth(dialog, design) + kLabelSlackPx);
            break;
    }
    return child;
}

void CreateControl(HWND dialog, HINSTANCE instance, const DialogPainter& painter, const layout::Control& design) {
    const ChildWindow child = ChildWindowFor(dialog, design, painter);
    const Dpi& dpi = painter.dpi();
    const HWND control =
        CreateWindowExW(0, child.windowClass, Widen(design.text).c_str(), child.style, dpi.FromTwips(design.left),
                        dpi.FromTwips(design.top), child.width, child.height, dialog,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), instance, nullptr);
    if (!control) throw SystemError(GetLastError(), "Creating the dialog's controls");
    // A list's rows are drawn by the painter in their font: told the font, a list would
    // only resize itself once more, before its rows' height below.
    if (design.kind != layout::Kind::DropDownList)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(painter.FontOf(design)), FALSE);
    // A list's closed height is the designed one, and its rows match it.
    if (design.kind == layout::Kind::DropDownList)
        for (const WPARAM part : {static_cast<WPARAM>(-1), WPARAM{0}})
            SendMessageW(control, CB_SETITEMHEIGHT, part, dpi.FromTwips(design.height) - 2 * kListRowFramePx);
}

template <typename Rows, typename ItemData>
void AddRows(HWND list, const Rows& rows, ItemData itemData) {
    for (const auto& row : rows) {
        const auto at = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(row.text).c_str()));
        SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(at), itemData(row));
    }
}

}  // namespace

void CreateDialogControls(HWND dialog, HINSTANCE instance, const DialogPainter& painter) {
    // Creation order is the Tab order: the dialog manager walks the children in z-order.
    for (const layout::Control* design : layout::ControlsByTabIndex())
        CreateControl(dialog, instance, painter, *design);
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
    AddRows(resolutions, kResolutionRows, [](const auto& row) { return row.width; });
    AddRows(GetDlgItem(dialog, layout::id::kColourList), kColourRows, [](const auto& row) { return row.bitsPerPixel; });
}

}  // namespace zarn::win32
