#include "win32/dialog_painter.h"

#include <algorithm>
#include <string>
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

}  // namespace zarn::win32
