#include "win32/dialog_painter.h"

#include <algorithm>
#include <string>
#include <utility>

#include "resource.h"
#include "win32/focus_cues.h"
#include "win32/gdi.h"
#include "win32/text.h"

namespace zarn::win32 {

namespace {

// The pictures' bitmaps among the program's resources.
constexpr std::pair<layout::Picture, int> kPictureBitmaps[] = {{layout::Picture::Background, IDB_BACKGROUND},
                                                               {layout::Picture::Browse, IDB_BROWSE},
                                                               {layout::Picture::Run, IDB_RUN},
                                                               {layout::Picture::Check, IDB_CHECK}};

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
constexpr int kSpanOverhangPx = 2;      // a spanning picture is this much wider than its rectangle

// A pressed button, or the ticked check box, shows its face this many pixels down and right.
constexpr int kPressedShiftPx = 1;

// A focus rectangle is XORed: drawn with white on black, its dots invert and its gaps keep.
constexpr COLORREF kInvert = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kKeep = RGB(0, 0, 0);

HFONT MakeFont(std::string_view face, int pixelHeight) {
    LOGFONTW lf{};
    lf.lfHeight = -pixelHeight;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    const std::wstring name = Widen(face).substr(0, LF_FACESIZE - 1);
    std::copy(name.begin(), name.end(), lf.lfFaceName);
    return CreateFontIndirectW(&lf);
}

HBITMAP LoadPicture(HINSTANCE instance, int id) {
    return static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    return {info.bmWidth, info.bmHeight};
}

std::wstring ListRowText(const DRAWITEMSTRUCT& item) {
    const auto length = std::max<LRESULT>(SendMessageW(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0), 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::size_t RowOf(const layout::Control& design) {
    return static_cast<std::size_t>(&design - layout::kControls.data());
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

int CaptionLeft(const Dpi& dpi) { return dpi.Scale(kTickLeftPx + kTickBoxPx + kTickCaptionGapPx); }

bool HighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

// In high contrast the check box and the picture buttons take the system's button colours
// (background, text), the other controls its window colours.
std::pair<int, int> SystemColours(const layout::Control& design) {
    const bool button = design.kind == layout::Kind::PictureButton || design.kind == layout::Kind::PictureCheckBox;
    return button ? std::pair{COLOR_BTNFACE, COLOR_BTNTEXT} : std::pair{COLOR_WINDOW, COLOR_WINDOWTEXT};
}

}  // namespace

DialogPainter::DialogPainter(HINSTANCE instance, Dpi dpi)
    : dpi_(dpi),
      highContrast_(HighContrastOn()),
      font_(MakeFont(layout::kFontFace, dpi.Scale(layout::kFontPixelHeight))),
      classicFont_(MakeFont(layout::kClassicFontFace, dpi.Scale(layout::kFontPixelHeight))) {
    for (const auto& [picture, id] : kPictureBitmaps)
        pictures_.emplace_back(picture, UniqueGdi<HBITMAP>(LoadPicture(instance, id)));
    for (const layout::Control& design : layout::kControls)
        if (design.backColour != layout::kTransparent)
            backBrushes_[RowOf(design)].reset(CreateSolidBrush(design.backColour));
    backgroundBrush_.reset(MakeBackgroundBrush());
}

bool DialogPainter::FollowHighContrast() {
    const bool was = std::exchange(highContrast_, HighContrastOn());
    return highContrast_ != was;
}

HFONT DialogPainter::FontOf(const layout::Control& design) const {
    return design.font == layout::Font::Classic ? classicFont_.get() : font_.get();
}

HBITMAP DialogPainter::Bitmap(layout::Picture picture) const {
    for (const auto& [shown, bitmap] : pictures_)
        if (shown == picture) return bitmap.get();
    return nullptr;
}

int DialogPainter::TextWidth(HWND window, const layout::Control& design) const {
    const WindowDc dc(window);
    const SelectedObject font(dc.get(), FontOf(design));
    const std::wstring wide = Widen(design.text);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

int DialogPainter::CheckBoxWidth(HWND window, const layout::Control& design) const {
    return std::max(dpi_.FromTwips(design.width),
                    CaptionLeft(dpi_) + TextWidth(window, design) + dpi_.Scale(kCaptionRightSlackPx));
}

// A control's colours as designed, or the system's; dimmed while it is inert.
DialogPainter::Colours DialogPainter::ColoursOf(const layout::Control& design, bool inert) const {
    if (!highContrast_) return {design.backColour, inert ? layout::kInertTextColour : design.textColour};
    const auto [back, text] = SystemColours(design);
    return {GetSysColor(back), GetSysColor(inert ? COLOR_GRAYTEXT : text)};
}

// A transparent control's brush is the background picture's.
HBRUSH DialogPainter::BackBrush(const layout::Control& design) const {
    if (highContrast_) return GetSysColorBrush(SystemColours(design).first);
    return design.backColour == layout::kTransparent ? backgroundBrush_.get() : backBrushes_[RowOf(design)].get();
}

// The background picture at DPI scale, as a brush for controls that show it through.
// At its own size the loaded picture is the pattern itself (it outlives the brush).
HBRUSH DialogPainter::MakeBackgroundBrush() const {
    const HBITMAP background = Bitmap(layout::Picture::Background);
    const SIZE own = BitmapSize(background), size = dpi_.Scale(own);
    if (size.cx == own.cx && size.cy == own.cy) return CreatePatternBrush(background);
    UniqueGdi<HBITMAP> scaled;
    {
        const WindowDc screen;
        scaled.reset(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
        const MemoryDc dc(CreateCompatibleDC(screen.get()));
        const SelectedObject picture(dc.get(), scaled.get());
        DrawPicture(dc.get(), layout::Picture::Background, RECT{0, 0, size.cx, size.cy}, 0);
    }
    return CreatePatternBrush(scaled.get());
}

void DialogPainter::EraseBackground(HDC dc, HWND window) const {
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    const SIZE size = dpi_.Scale(BitmapSize(Bitmap(layout::Picture::Background)));
    DrawPicture(dc, layout::Picture::Background, RECT{0, 0, size.cx, size.cy}, 0);
}

HBRUSH DialogPainter::ControlColour(HDC dc, HWND control, HWND dialog) const {
    const layout::Control* design = DesignOf(control, dialog);
    if (!design) return nullptr;
    const Colours colours = ColoursOf(*design, false);
    SetTextColor(dc, colours.text);
    if (colours.back == CLR_NONE) {
        // The background picture shows through, lined up with the window's.
        SetBkMode(dc, TRANSPARENT);
        POINT origin{0, 0};
        MapWindowPoints(control, dialog, &origin, 1);
        SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    } else {
        SetBkColor(dc, colours.back);
    }
    return BackBrush(*design);
}

void DialogPainter::DrawItem(const DRAWITEMSTRUCT& item) const {
    const layout::Control* design = layout::ControlWithId(static_cast<int>(item.CtlID));
    if (design && design->kind == layout::Kind::DropDownList) DrawListRow(item, *design);
    if (design && design->kind == layout::Kind::PictureButton) DrawPictureButton(item, *design);
}

// Windows would draw the check box after erasing it; it is drawn here instead, whole.
LRESULT DialogPainter::CustomDraw(const NMCUSTOMDRAW& draw) const {
    const layout::Control* design = layout::ControlWithId(static_cast<int>(draw.hdr.idFrom));
    if (!design || design->kind != layout::Kind::PictureCheckBox || draw.dwDrawStage != CDDS_PREPAINT)
        return CDRF_DODEFAULT;
    DrawCheckBox(draw.hdc, draw.hdr.hwndFrom, *design);
    return CDRF_SKIPDEFAULT;
}

void DialogPainter::DrawListRow(const DRAWITEMSTRUCT& item, const layout::Control& list) const {
    const bool inField = item.itemState & ODS_COMBOBOXEDIT;
    const bool highlighted = (item.itemState & ODS_SELECTED) && !inField;
    const Colours colours = ColoursOf(list, item.itemState & ODS_DISABLED);
    FillRect(item.hDC, &item.rcItem, highlighted ? GetSysColorBrush(COLOR_HIGHLIGHT) : BackBrush(list));
    if (item.itemID != static_cast<UINT>(-1)) {
        const std::wstring text = ListRowText(item);
        const SelectedObject font(item.hDC, FontOf(list));
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : colours.text);
        RECT textRect = item.rcItem;
        textRect.left += dpi_.Scale(kListTextLeftPx);
        DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    }
    if (inField && ShowsFocusRectangle(item.hwndItem, item.itemState & ODS_FOCUS))
        DrawFocus(item.hDC, item.rcItem, kListFocusInsetPx, colours.text);
}

void DialogPainter::DrawPictureButton(const DRAWITEMSTRUCT& item, const layout::Control& button) const {
    const bool pressed = item.itemState & ODS_SELECTED;
    const RECT face = item.rcItem;
    FillRect(item.hDC, &face, BackBrush(button));
    RECT inner = face;
    InflateRect(&inner, -kButtonFrameInsetPx, -kButtonFrameInsetPx);
    DrawPicture(item.hDC, button.picture, inner, pressed ? kPressedShiftPx : 0);
    RECT edge = face;
    DrawEdge(item.hDC, &edge, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (item.itemState & ODS_DISABLED) {
        // Inert while the game runs: the face lies under a hatch.
        const SavedDc saved(item.hDC);
        const COLORREF ink = highContrast_ ? GetSysColor(COLOR_GRAYTEXT) : layout::kInertHatchColour;
        const UniqueGdi<HBRUSH> hatch(CreateHatchBrush(HS_BDIAGONAL, ink));
        SetBkMode(item.hDC, TRANSPARENT);
        FillRect(item.hDC, &inner, hatch.get());
    }
    if (ShowsFocusRectangle(item.hwndItem, item.itemState & ODS_FOCUS)) {
        SetBkColor(item.hDC, kKeep);
        DrawFocus(item.hDC, face, kButtonFocusInsetPx, ColoursOf(button, false).text);
    }
}

// The check box shows its picture with a tick box and its caption; ticked, the face is sunk
// and shifted like a pressed button's.
void DialogPainter::DrawCheckBox(HDC dc, HWND box, const layout::Control& design) const {
    const bool checked = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const int shift = checked ? kPressedShiftPx : 0;
    const COLORREF ink = ColoursOf(design, !IsWindowEnabled(box)).text;
    RECT face{};
    GetClientRect(box, &face);
    if (highContrast_)
        FillRect(dc, &face, BackBrush(design));  // the caption on the system's colour, not on the picture
    else
        DrawPicture(dc, design.picture, face, shift, Fit::SpanWidth);
    DrawEdge(dc, &face, checked ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    DrawTick(dc, face, checked, ink);

    RECT caption = face;
    caption.left = face.left + CaptionLeft(dpi_);
    OffsetRect(&caption, shift, shift);
    const std::wstring text = Widen(design.text);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    {
        const SelectedObject font(dc, FontOf(design));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &caption,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT | DT_END_ELLIPSIS);
    }
    if (ShowsFocusRectangle(box, SendMessageW(box, BM_GETSTATE, 0, 0) & BST_FOCUS)) {
        SetBkColor(dc, kKeep);
        DrawFocus(dc, face, kCheckFocusInsetPx, ink);
    }
}

// A small tick box at the left makes the state plain at a glance.
void DialogPainter::DrawTick(HDC dc, const RECT& face, bool checked, COLORREF ink) const {
    const int box = dpi_.Scale(kTickBoxPx);
    const int left = face.left + dpi_.Scale(kTickLeftPx);
    const int top = face.top + (face.bottom - face.top - box) / 2;
    const RECT square{left, top, left + box, top + box};
    {
        const UniqueGdi<HBRUSH> frame(CreateSolidBrush(ink));
        FrameRect(dc, &square, frame.get());
    }
    if (!checked) return;
    const UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, std::max(1, dpi_.Scale(kTickPenPx)), ink));
    const SelectedObject selected(dc, pen.get());
    // A check mark through three points placed as fractions of the box, so it scales with it.
    MoveToEx(dc, left + box / 5, top + box / 2, nullptr);
    LineTo(dc, left + box / 2 - 1, top + box - box / 4 - 1);
    LineTo(dc, left + box - box / 5, top + box / 5);
}

// In high contrast the focus rectangle is dotted in the control's text colour, which shows on
// the system's background; else it is XORed, which shows on any picture.
void DialogPainter::DrawFocus(HDC dc, RECT around, int inset, COLORREF ink) const {
    InflateRect(&around, -inset, -inset);
    if (!highContrast_) {
        SetTextColor(dc, kInvert);
        DrawFocusRect(dc, &around);
        return;
    }
    const LOGBRUSH dots{BS_SOLID, ink, 0};
    const UniqueGdi<HPEN> pen(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &dots, 0, nullptr));
    const SelectedObject selectedPen(dc, pen.get()), hollow(dc, GetStockObject(NULL_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    Rectangle(dc, around.left, around.top, around.right, around.bottom);
}

void DialogPainter::DrawInertEditText(HWND edit) const {
    const layout::Control* design = layout::ControlWithId(GetDlgCtrlID(edit));
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    if (!design || text.empty()) return;
    // Where the edit put its text: its formatting rectangle, and its first character as scrolled.
    RECT format{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const LRESULT first = SendMessageW(edit, EM_POSFROMCHAR, 0, 0);
    const Colours colours = ColoursOf(*design, true);
    const WindowDc dc(edit);
    const SelectedObject font(dc.get(), FontOf(*design));
    SetBkColor(dc.get(), colours.back);
    SetTextColor(dc.get(), colours.text);
    ExtTextOutW(dc.get(), static_cast<short>(LOWORD(first)), static_cast<short>(HIWORD(first)),
                ETO_CLIPPED | ETO_OPAQUE, &format, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

void DialogPainter::DrawPicture(HDC dc, layout::Picture picture, const RECT& into, int offset, Fit fit) const {
    const HBITMAP bitmap = Bitmap(picture);
    if (!bitmap) return;
    const SIZE size = BitmapSize(bitmap);
    SIZE scaled = dpi_.Scale(size);
    if (fit == Fit::SpanWidth) scaled.cx = std::max<LONG>(scaled.cx, into.right - into.left + kSpanOverhangPx);
    const int x = into.left + (into.right - into.left - scaled.cx) / 2 + offset;
    const int y = into.top + (into.bottom - into.top - scaled.cy) / 2 + offset;
    const MemoryDc memory(CreateCompatibleDC(dc));
    const SelectedObject selected(memory.get(), bitmap);
    const SavedDc saved(dc);
    IntersectClipRect(dc, into.left, into.top, into.right, into.bottom);
    if (scaled.cx == size.cx && scaled.cy == size.cy) {
        BitBlt(dc, x, y, size.cx, size.cy, memory.get(), 0, 0, SRCCOPY);  // at its own size: a plain copy
        return;
    }
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, x, y, scaled.cx, scaled.cy, memory.get(), 0, 0, size.cx, size.cy, SRCCOPY);
}

}  // namespace zarn::win32
