#pragma once
// The setup dialog's painting (our own, not Windows' visual styles): its fonts, brushes and
// pictures, loaded once for the screen's DPI, and the drawing of what the window paints itself
// (background, list rows, picture buttons, the colours of the controls it leaves to Windows).

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "setup/layout.h"
#include "win32/dpi.h"
#include "win32/handles.h"

namespace zarn::win32 {

inline COLORREF Colour(std::uint32_t bgr) { return static_cast<COLORREF>(bgr); }

// Focus rectangles and the busy veil are drawn in black.
inline constexpr COLORREF kBlack = RGB(0, 0, 0);

// A pressed button, or the ticked check box, shows its face this many pixels down and right.
inline constexpr int kPressedShiftPx = 1;

// The text and tick of the inputs, white; dimmed while a game runs, when they take no input
// but still show the values being applied.
inline constexpr COLORREF kInertText = RGB(0xA0, 0xA0, 0xA0);
inline COLORREF InputTextColour(bool inert) { return inert ? kInertText : Colour(layout::kWhite); }

class DialogPainter {
public:
    // How a picture fills its rectangle: centred at its own size, or widened to span it.
    enum class Fit { Centred, SpanWidth };

    // Loads the pictures from the program's resources and makes the fonts and brushes.
    DialogPainter(HINSTANCE instance, Dpi dpi);
    DialogPainter(const DialogPainter&) = delete;
    DialogPainter& operator=(const DialogPainter&) = delete;

    const Dpi& dpi() const { return dpi_; }
    HFONT Font() const { return font_.get(); }
    HFONT FontOf(const layout::Control& design) const;
    HBITMAP Picture(layout::Picture picture) const;

    // Width of a text in the window's font, drawn in this window.
    int TextWidth(HWND window, std::string_view text) const;
    // The lists' row height: the designed height of a closed list less its frame.
    int ListRowHeight() const;

    // Paints the window's client area: the background picture on the window colour.
    void EraseBackground(HDC dc, HWND window) const;
    // Sets up the colours of a control Windows draws; returns its background brush.
    HBRUSH ControlColour(HDC dc, HWND control, HWND dialog) const;
    void DrawListRow(const DRAWITEMSTRUCT& item) const;
    void DrawPictureButton(const DRAWITEMSTRUCT& item) const;
    // Draws a disabled edit box's text again, over the edit's own painting, dimmed like the
    // other inputs: Windows draws it in its grey, which its parent's colours cannot change
    // and which is hard to read on dark blue.
    void DrawInertEditText(HWND edit) const;
    // A picture at DPI scale in a rectangle, clipped to it, shifted by offset pixels.
    void DrawPicture(HDC dc, HBITMAP bitmap, const RECT& into, int offset, Fit fit = Fit::Centred) const;

private:
    HBRUSH MakeBackgroundBrush() const;

    Dpi dpi_;
    UniqueGdi<HFONT> font_, classicFont_;
    UniqueGdi<HBRUSH> darkBlue_, backgroundBrush_;
    UniqueGdi<HBITMAP> background_, browse_, run_, check_;
};

}  // namespace zarn::win32
