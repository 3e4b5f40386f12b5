#include "win32/dialog_painter.h"

#include <algorithm>
#include <string>

#include "resource.h"
#include "win32/focus_cues.h"
#include "win32/gdi.h"
#include "win32/text.h"

namespace zarn::win32 {

namespace {

// At 96 DPI, scaled:
constexpr int kListTextLeftPx = 3;  // a list row's text from its left edge

// In device pixels, as the frames drawn by Windows are:
constexpr int kListRowFramePx = 3;      // a closed list's frame above and below its row
constexpr int kListFocusInsetPx = 1;    // a list's focus rectangle inside its row
constexpr int kButtonFrameInsetPx = 1;  // a button's picture inside its raised edge
constexpr int kButtonFocusInsetPx = 3;  // a button's focus rectangle inside its face
constexpr int kSpanOverhangPx = 2;      // a spanning picture is this much wider than its rectangle

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

}  // namespace

DialogPainter::DialogPainter(HINSTANCE instance, Dpi dpi)
    : dpi_(dpi),
      font_(MakeFont(layout::kFontFace, dpi.Scale(layout::kFontPixelHeight))),
      classicFont_(MakeFont(layout::kClassicFontFace, dpi.Scale(layout::kFontPixelHeight))),
      darkBlue_(CreateSolidBrush(Colour(layout::kDarkBlue))),
      background_(LoadPicture(instance, IDB_BACKGROUND)),
      browse_(LoadPicture(instance, IDB_BROWSE)),
      run_(LoadPicture(instance, IDB_RUN)),
      check_(LoadPicture(instance, IDB_CHECK)) {
    backgroundBrush_.reset(MakeBackgroundBrush());
}

HFONT DialogPainter::FontOf(const layout::Control& design) const {
    return design.font == layout::Font::Classic ? classicFont_.get() : font_.get();
}

HBITMAP DialogPainter::Picture(layout::Picture picture) const {
    switch (picture) {
        case layout::Picture::Browse: return browse_.get();
        case layout::Picture::Run: return run_.get();
        case layout::Picture::Check: return check_.get();
        case layout::Picture::None: break;
    }
    return nullptr;
}

int DialogPainter::TextWidth(HWND window, std::string_view text) const {
    const WindowDc dc(window);
    const SelectedObject font(dc.get(), font_.get());
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

int DialogPainter::ListRowHeight() const {
    const layout::Control* list = layout::ControlWithId(layout::id::kResolutionList);
    return list ? dpi_.FromTwips(list->height) - 2 * kListRowFramePx : dpi_.Scale(layout::kFontPixelHeight);
}

// The background picture at DPI scale, as a brush for controls that show it through.
HBRUSH DialogPainter::MakeBackgroundBrush() const {
    if (!background_) return nullptr;
    const SIZE size = dpi_.Scale(BitmapSize(background_.get()));
    UniqueGdi<HBITMAP> scaled;
    {
        const WindowDc screen;
        scaled.reset(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
        const MemoryDc dc(CreateCompatibleDC(screen.get()));
        const SelectedObject picture(dc.get(), scaled.get());
        DrawPicture(dc.get(), background_.get(), RECT{0, 0, size.cx, size.cy}, 0);
    }
    return CreatePatternBrush(scaled.get());
}

void DialogPainter::EraseBackground(HDC dc, HWND window) const {
    RECT client{};
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    if (!background_) return;
    const SIZE size = dpi_.Scale(BitmapSize(background_.get()));
    DrawPicture(dc, background_.get(), RECT{0, 0, size.cx, size.cy}, 0);
}

HBRUSH DialogPainter::ControlColour(HDC dc, HWND control, HWND dialog) const {
    if (GetDlgCtrlID(control) == layout::id::kGamePathLabel) {
        // The label shows the background picture behind its white text.
        SetTextColor(dc, Colour(layout::kWhite));
        SetBkMode(dc, TRANSPARENT);
        POINT origin{0, 0};
        MapWindowPoints(control, dialog, &origin, 1);
        SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
        return backgroundBrush_ ? backgroundBrush_.get() : GetSysColorBrush(COLOR_WINDOW);
    }
    // The path box and the lists' drop-downs: white on dark blue.
    SetTextColor(dc, Colour(layout::kWhite));
    SetBkColor(dc, Colour(layout::kDarkBlue));
    return darkBlue_.get();
}

void DialogPainter::DrawListRow(const DRAWITEMSTRUCT& item) const {
    const bool inField = item.itemState & ODS_COMBOBOXEDIT;
    const bool highlighted = (item.itemState & ODS_SELECTED) && !inField;
    FillRect(item.hDC, &item.rcItem, highlighted ? GetSysColorBrush(COLOR_HIGHLIGHT) : darkBlue_.get());
    if (item.itemID != static_cast<UINT>(-1)) {
        const std::wstring text = ListRowText(item);
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC,
                     highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : InputTextColour(item.itemState & ODS_DISABLED));
        RECT textRect = item.rcItem;
        textRect.left += dpi_.Scale(kListTextLeftPx);
        DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    }
    if (inField && ShowsFocusRectangle(item)) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -kListFocusInsetPx, -kListFocusInsetPx);
        SetTextColor(item.hDC, Colour(layout::kWhite));
        DrawFocusRect(item.hDC, &focus);
    }
}

void DialogPainter::DrawPictureButton(const DRAWITEMSTRUCT& item) const {
    // Drawing does without a design it cannot find rather than fail.
    const layout::Control* design = layout::ControlWithId(static_cast<int>(item.CtlID));
    const bool pressed = item.itemState & ODS_SELECTED;
    const RECT face = item.rcItem;
    {
        const UniqueGdi<HBRUSH> back(CreateSolidBrush(Colour(design ? design->backColour : layout::kSilver)));
        FillRect(item.hDC, &face, back.get());
    }
    RECT inner = face;
    InflateRect(&inner, -kButtonFrameInsetPx, -kButtonFrameInsetPx);
    DrawPicture(item.hDC, Picture(design ? design->picture : layout::Picture::None), inner,
                pressed ? kPressedShiftPx : 0);
    RECT edge = face;
    DrawEdge(item.hDC, &edge, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (item.itemState & ODS_DISABLED) {
        // Inert while the game runs: veil the face.
        const SavedDc saved(item.hDC);
        const UniqueGdi<HBRUSH> veil(CreateHatchBrush(HS_BDIAGONAL, kBlack));
        SetBkMode(item.hDC, TRANSPARENT);
        FillRect(item.hDC, &inner, veil.get());
    }
    if (ShowsFocusRectangle(item)) {
        RECT focus = face;
        InflateRect(&focus, -kButtonFocusInsetPx, -kButtonFocusInsetPx);
        SetTextColor(item.hDC, Colour(layout::kWhite));
        SetBkColor(item.hDC, kBlack);
        DrawFocusRect(item.hDC, &focus);
    }
}

void DialogPainter::DrawInertEditText(HWND edit) const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    if (text.empty()) return;
    // Where the edit put its text: its formatting rectangle, and its first character as scrolled.
    RECT format{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const LRESULT first = SendMessageW(edit, EM_POSFROMCHAR, 0, 0);
    const WindowDc dc(edit);
    const SelectedObject font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    SetBkColor(dc.get(), Colour(layout::kDarkBlue));
    SetTextColor(dc.get(), kInertText);
    ExtTextOutW(dc.get(), static_cast<short>(LOWORD(first)), static_cast<short>(HIWORD(first)),
                ETO_CLIPPED | ETO_OPAQUE, &format, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

void DialogPainter::DrawPicture(HDC dc, HBITMAP bitmap, const RECT& into, int offset, Fit fit) const {
    if (!bitmap) return;
    const SIZE size = BitmapSize(bitmap);
    SIZE scaled = dpi_.Scale(size);
    if (fit == Fit::SpanWidth) scaled.cx = std::max<LONG>(scaled.cx, into.right - into.left + kSpanOverhangPx);
    const int x = into.left + (into.right - into.left - scaled.cx) / 2 + offset;
    const int y = into.top + (into.bottom - into.top - scaled.cy) / 2 + offset;
    const MemoryDc memory(CreateCompatibleDC(dc));
    const SelectedObject picture(memory.get(), bitmap);
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
