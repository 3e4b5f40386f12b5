#include "win32/dialog_painter.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "resource.h"
#include "win32/gdi.h"
#include "win32/text.h"

namespace zarn::win32 {

namespace {

// The pictures' bitmaps among the program's resources.
constexpr std::pair<layout::Picture, int> kPictureBitmaps[] = {{layout::Picture::Background, IDB_BACKGROUND},
                                                               {layout::Picture::Browse, IDB_BROWSE},
                                                               {layout::Picture::Run, IDB_RUN},
                                                               {layout::Picture::Check, IDB_CHECK}};

constexpr int kSpanOverhangPx = 2;  // device pixels a spanning picture is wider than its rectangle

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

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    return {info.bmWidth, info.bmHeight};
}

std::size_t RowOf(const layout::Control& design) {
    return static_cast<std::size_t>(&design - layout::kControls.data());
}

bool IsTransparent(const layout::Control& design) { return design.backColour == layout::kTransparent; }

bool HighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

// In high contrast the buttons (the check box is one) take the system's button colours
// (background, text), the other controls its window colours.
std::pair<int, int> SystemColours(const layout::Control& design) {
    const bool button = std::wstring_view(KindOf(design.kind).windowClass) == L"BUTTON";
    return button ? std::pair{COLOR_BTNFACE, COLOR_BTNTEXT} : std::pair{COLOR_WINDOW, COLOR_WINDOWTEXT};
}

}  // namespace

PaintResources::PaintResources(HINSTANCE instance, Dpi dpi)
    : dpi_(dpi),
      font_(MakeFont(layout::kFontFace, dpi.Scale(layout::kFontPixelHeight))),
      classicFont_(MakeFont(layout::kClassicFontFace, dpi.Scale(layout::kFontPixelHeight))) {
    for (const auto& [picture, id] : kPictureBitmaps)
        pictures_[static_cast<std::size_t>(picture)].reset(
            static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    backgroundBrush_.reset(MakeBackgroundBrush());
}

// At its own size the loaded picture is the pattern itself (it outlives the brush).
HBRUSH PaintResources::MakeBackgroundBrush() const {
    const HBITMAP background = Bitmap(layout::Picture::Background);
    const SIZE own = BitmapSize(background), size = dpi_.Scale(own);
    if (size.cx == own.cx && size.cy == own.cy) return CreatePatternBrush(background);
    UniqueGdi<HBITMAP> scaled;
    {
        const WindowDc screen;
        scaled.reset(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
        const MemoryDc dc(CreateCompatibleDC(screen.get()));
        const SelectedObject picture(dc.get(), scaled.get());
        DrawBackground(dc.get());
    }
    return CreatePatternBrush(scaled.get());
}

HFONT PaintResources::FontOf(const layout::Control& design) const {
    return design.font == layout::Font::Classic ? classicFont_.get() : font_.get();
}

void PaintResources::DrawBackground(HDC dc) const {
    const SIZE size = dpi_.Scale(BitmapSize(Bitmap(layout::Picture::Background)));
    DrawPicture(dc, layout::Picture::Background, RECT{0, 0, size.cx, size.cy}, 0);
}

void PaintResources::DrawPicture(HDC dc, layout::Picture picture, const RECT& into, int offset, Fit fit) const {
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

PaintColours::PaintColours(HBRUSH background) : background_(background), highContrast_(HighContrastOn()) {
    for (const layout::Control& design : layout::kControls)
        if (!IsTransparent(design)) brushes_[RowOf(design)].reset(CreateSolidBrush(design.backColour));
}

bool PaintColours::FollowHighContrast() {
    const bool was = std::exchange(highContrast_, HighContrastOn());
    return highContrast_ != was;
}

Colours PaintColours::Of(const layout::Control& design, bool busy) const {
    if (!highContrast_) return {design.backColour, busy ? layout::kBusyTextColour : design.textColour};
    const auto [back, text] = SystemColours(design);
    return {GetSysColor(back), GetSysColor(busy ? COLOR_GRAYTEXT : text)};
}

// A transparent control shows the background picture, but in high contrast the system's colour.
bool PaintColours::ShowsBackground(const layout::Control& design) const {
    return !highContrast_ && IsTransparent(design);
}

HBRUSH PaintColours::BackBrush(const layout::Control& design) const {
    if (ShowsBackground(design)) return background_;
    return highContrast_ ? GetSysColorBrush(SystemColours(design).first) : brushes_[RowOf(design)].get();
}

COLORREF PaintColours::BusyHatch() const {
    return highContrast_ ? GetSysColor(COLOR_GRAYTEXT) : layout::kBusyHatchColour;
}

}  // namespace zarn::win32
