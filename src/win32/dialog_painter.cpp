#include "win32/dialog_painter.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "win32/focus_cues.h"
#include "win32/gdi.h"
#include "win32/text.h"

namespace zarn::win32 {

namespace {

// At 96 DPI, scaled:
constexpr int kListTextLeftPx = 3;       // a list row's text from its left edge
constexpr int kTickLeftPx = 4;           // the check box's tick box from its left edge
constexpr int kTickBoxPx = 9;            // the tick box's side
constexpr int kTickCaptionGapPx = 3;     // between the tick box and the caption
constexpr int kTickPenPx = 2;            // the tick's stroke
constexpr int kCaptionRightSlackPx = 6;  // room after the check box's caption

// In device pixels, as the frames drawn by Windows are:
constexpr int kListFocusInsetPx = 1;    // a list's focus rectangle inside its row
constexpr int kButtonFrameInsetPx = 1;  // a button's picture inside its raised edge
constexpr int kButtonFocusInsetPx = 3;  // a button's focus rectangle inside its face
constexpr int kCheckFocusInsetPx = 2;   // the check box's focus rectangle inside its face

// A pressed button, or the ticked check box, shows its face this many pixels down and right.
constexpr int kPressedShiftPx = 1;

HDC DcOf(WPARAM wp) { return reinterpret_cast<HDC>(wp); }
template <typename Parameter>
const Parameter& Pointed(LPARAM lp) {
    return *reinterpret_cast<const Parameter*>(lp);
}

// The design of a window of the dialog: one of its controls, or the drop-down of one of its lists.
const layout::Control* DesignOf(HWND window, HWND dialog) {
    for (const layout::Control& design : layout::kControls) {
        const HWND control = GetDlgItem(dialog, design.id);
        COMBOBOXINFO list{};
        list.cbSize = sizeof(list);
        if (window == control || (GetComboBoxInfo(control, &list) && window == list.hwndList)) return &design;
    }
    return nullptr;
}

// A control Windows does not describe to the dialog, described as WM_DRAWITEM would.
DRAWITEMSTRUCT Described(HWND control, HDC dc) {
    const UINT state = IsWindowEnabled(control) ? 0 : ODS_DISABLED;
    DRAWITEMSTRUCT item{0, static_cast<UINT>(GetDlgCtrlID(control)), 0, ODA_DRAWENTIRE, state, control, dc, {}, 0};
    GetClientRect(control, &item.rcItem);
    return item;
}

int CaptionLeft(const Dpi& dpi) { return dpi.Scale(kTickLeftPx + kTickBoxPx + kTickCaptionGapPx); }

std::wstring ListRowText(const DRAWITEMSTRUCT& item) {
    const auto length = std::max<LRESULT>(SendMessageW(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0), 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// A small tick box at the left makes the state plain at a glance.
void DrawTick(const Dpi& dpi, HDC dc, const RECT& face, bool checked, COLORREF ink) {
    const int box = dpi.Scale(kTickBoxPx);
    const int left = face.left + dpi.Scale(kTickLeftPx);
    const int top = face.top + (face.bottom - face.top - box) / 2;
    const RECT square{left, top, left + box, top + box};
    const UniqueGdi<HBRUSH> frame(CreateSolidBrush(ink));
    FrameRect(dc, &square, frame.get());
    if (!checked) return;
    const UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, std::max(1, dpi.Scale(kTickPenPx)), ink));
    const SelectedObject selected(dc, pen.get());
    // A check mark through three points placed as fractions of the box, so it scales with it.
    MoveToEx(dc, left + box / 5, top + box / 2, nullptr);
    LineTo(dc, left + box / 2 - 1, top + box - box / 4 - 1);
    LineTo(dc, left + box - box / 5, top + box / 5);
}

}  // namespace

std::optional<LRESULT> DialogPainter::Answer(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) const {
    switch (msg) {
        case WM_ERASEBKGND: EraseBackground(DcOf(wp), dialog); return TRUE;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC: return ControlColour(DcOf(wp), reinterpret_cast<HWND>(lp), dialog);
        case WM_DRAWITEM: Draw(Painting::OwnerDrawn, Pointed<DRAWITEMSTRUCT>(lp)); return TRUE;
        case WM_NOTIFY: return CustomDraw(Pointed<NMHDR>(lp));
    }
    return std::nullopt;
}

void DialogPainter::DrawBusy(HWND control) const {
    const WindowDc dc(control);
    Draw(Painting::AgainWhenBusy, Described(control, dc.get()));
}

int DialogPainter::CheckBoxWidthAround(const Dpi& dpi, int captionWidth) {
    return CaptionLeft(dpi) + captionWidth + dpi.Scale(kCaptionRightSlackPx);
}

// The background picture on the window colour.
void DialogPainter::EraseBackground(HDC dc, HWND dialog) const {
    RECT client{};
    GetClientRect(dialog, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    resources_.DrawBackground(dc);
}

// Sets up the colours of a designed control (or a list's drop-down) for Windows' drawing of it,
// and answers its background brush; other windows keep Windows' colours.
std::optional<LRESULT> DialogPainter::ControlColour(HDC dc, HWND control, HWND dialog) const {
    const layout::Control* design = DesignOf(control, dialog);
    if (!design) return std::nullopt;
    const Colours colours = colours_.Of(*design, false);
    SetTextColor(dc, colours.text);
    if (colours_.ShowsBackground(*design)) {
        // The background picture shows through, lined up with the window's.
        SetBkMode(dc, TRANSPARENT);
        POINT origin{0, 0};
        MapWindowPoints(control, dialog, &origin, 1);
        SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    } else {
        SetBkColor(dc, colours.back);
    }
    return reinterpret_cast<LRESULT>(colours_.BackBrush(*design));
}

// Windows would draw a custom-drawn control after erasing it; it is drawn here instead, whole.
std::optional<LRESULT> DialogPainter::CustomDraw(const NMHDR& header) const {
    if (header.code != NM_CUSTOMDRAW) return std::nullopt;
    const auto& draw = reinterpret_cast<const NMCUSTOMDRAW&>(header);
    if (draw.dwDrawStage != CDDS_PREPAINT) return CDRF_DODEFAULT;
    return Draw(Painting::CustomDrawn, Described(header.hwndFrom, draw.hdc)) ? CDRF_SKIPDEFAULT : CDRF_DODEFAULT;
}

bool DialogPainter::Draw(Painting painting, const DRAWITEMSTRUCT& item) const {
    const layout::Control* design = layout::ControlWithId(static_cast<int>(item.CtlID));
    if (!design || KindOf(design->kind).painting != painting) return false;
    (this->*KindOf(design->kind).draw)(*design, item);
    return true;
}

// In high contrast the focus rectangle is dotted in the control's text colour, which shows on
// the system's background; else it is XORed, which shows on any picture: drawn white on black,
// its dots invert and its gaps keep.
void DialogPainter::DrawFocus(HDC dc, RECT around, int inset, COLORREF ink) const {
    InflateRect(&around, -inset, -inset);
    if (!colours_.highContrast()) {
        SetTextColor(dc, RGB(0xFF, 0xFF, 0xFF));
        SetBkColor(dc, RGB(0, 0, 0));
        DrawFocusRect(dc, &around);
        return;
    }
    const LOGBRUSH dots{BS_SOLID, ink, 0};
    const UniqueGdi<HPEN> pen(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &dots, 0, nullptr));
    const SelectedObject selectedPen(dc, pen.get()), hollow(dc, GetStockObject(NULL_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    Rectangle(dc, around.left, around.top, around.right, around.bottom);
}

void DialogPainter::DrawListRow(const layout::Control& list, const DRAWITEMSTRUCT& item) const {
    const bool inField = item.itemState & ODS_COMBOBOXEDIT;
    const bool highlighted = (item.itemState & ODS_SELECTED) && !inField;
    const Colours colours = colours_.Of(list, item.itemState & ODS_DISABLED);
    FillRect(item.hDC, &item.rcItem, highlighted ? GetSysColorBrush(COLOR_HIGHLIGHT) : colours_.BackBrush(list));
    if (item.itemID != static_cast<UINT>(-1)) {
        const SelectedObject font(item.hDC, resources_.FontOf(list));
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : colours.text);
        RECT text = item.rcItem;
        text.left += resources_.dpi().Scale(kListTextLeftPx);
        DrawTextW(item.hDC, ListRowText(item).c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    }
    if (inField && ShowsFocusRectangle(item.hwndItem, item.itemState & ODS_FOCUS))
        DrawFocus(item.hDC, item.rcItem, kListFocusInsetPx, colours.text);
}

void DialogPainter::DrawPictureButton(const layout::Control& button, const DRAWITEMSTRUCT& item) const {
    const bool pressed = item.itemState & ODS_SELECTED;
    RECT face = item.rcItem, inner = face;
    FillRect(item.hDC, &face, colours_.BackBrush(button));
    InflateRect(&inner, -kButtonFrameInsetPx, -kButtonFrameInsetPx);
    resources_.DrawPicture(item.hDC, button.picture, inner, pressed ? kPressedShiftPx : 0);
    DrawEdge(item.hDC, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (item.itemState & ODS_DISABLED) {
        // Busy while the game runs: the face lies under a hatch.
        const SavedDc saved(item.hDC);
        const UniqueGdi<HBRUSH> hatch(CreateHatchBrush(HS_BDIAGONAL, colours_.BusyHatch()));
        SetBkMode(item.hDC, TRANSPARENT);
        FillRect(item.hDC, &inner, hatch.get());
    }
    if (ShowsFocusRectangle(item.hwndItem, item.itemState & ODS_FOCUS))
        DrawFocus(item.hDC, face, kButtonFocusInsetPx, colours_.Of(button, false).text);
}

// The check box shows its picture with a tick box and its caption; ticked, the face is sunk
// and shifted like a pressed button's. Whether it is ticked and focused its window tells.
void DialogPainter::DrawPictureCheckBox(const layout::Control& box, const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    const bool checked = SendMessageW(item.hwndItem, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const int shift = checked ? kPressedShiftPx : 0;
    const COLORREF ink = colours_.Of(box, item.itemState & ODS_DISABLED).text;
    RECT face = item.rcItem;
    if (colours_.highContrast())
        FillRect(dc, &face, colours_.BackBrush(box));  // the caption on the system's colour, not on the picture
    else
        resources_.DrawPicture(dc, box.picture, face, shift, PaintResources::Fit::SpanWidth);
    DrawEdge(dc, &face, checked ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    DrawTick(resources_.dpi(), dc, face, checked, ink);

    RECT caption{face.left + CaptionLeft(resources_.dpi()) + shift, face.top + shift, face.right + shift,
                 face.bottom + shift};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    const SelectedObject font(dc, resources_.FontOf(box));
    DrawTextW(dc, Widen(box.text).c_str(), -1, &caption,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT | DT_END_ELLIPSIS);
    if (ShowsFocusRectangle(item.hwndItem, SendMessageW(item.hwndItem, BM_GETSTATE, 0, 0) & BST_FOCUS))
        DrawFocus(dc, face, kCheckFocusInsetPx, ink);
}

void DialogPainter::DrawBusyText(const layout::Control& edit, const DRAWITEMSTRUCT& item) const {
    const std::wstring text = WindowText(item.hwndItem);
    if (text.empty()) return;
    // Where the edit put its text: its formatting rectangle, and its first character as scrolled.
    RECT format{};
    SendMessageW(item.hwndItem, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const LRESULT first = SendMessageW(item.hwndItem, EM_POSFROMCHAR, 0, 0);
    const Colours colours = colours_.Of(edit, true);
    const SelectedObject font(item.hDC, resources_.FontOf(edit));
    SetBkColor(item.hDC, colours.back);
    SetTextColor(item.hDC, colours.text);
    ExtTextOutW(item.hDC, static_cast<short>(LOWORD(first)), static_cast<short>(HIWORD(first)),
                ETO_CLIPPED | ETO_OPAQUE, &format, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

}  // namespace zarn::win32
