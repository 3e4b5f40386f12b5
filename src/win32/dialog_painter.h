#pragma once
// The setup dialog's painting (our own, not Windows' visual styles), all of it from the design
// table (setup/layout.h): the background, the colours of the controls Windows draws, the list
// rows, the picture buttons and the picture check box. Fonts, brushes and pictures are made
// once for the screen's DPI; a control is painted by its kind and its row of the table. In
// Windows' high-contrast mode the text and focus it paints take the system's colours.

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <utility>
#include <vector>

#include "setup/layout.h"
#include "win32/dpi.h"
#include "win32/handles.h"

namespace zarn::win32 {

class DialogPainter {
public:
    // Loads the pictures from the program's resources and makes the fonts and brushes.
    DialogPainter(HINSTANCE instance, Dpi dpi);
    DialogPainter(const DialogPainter&) = delete;
    DialogPainter& operator=(const DialogPainter&) = delete;

    const Dpi& dpi() const { return dpi_; }
    // Reads whether high contrast is on; whether that changed.
    bool FollowHighContrast();
    HFONT FontOf(const layout::Control& design) const;
    // Width of a control's text in its font, drawn in this window.
    int TextWidth(HWND window, const layout::Control& design) const;
    // The check box's width: the designed one, or more, so that its caption shows whole.
    int CheckBoxWidth(HWND window, const layout::Control& design) const;

    // Paints the window's client area: the background picture on the window colour.
    void EraseBackground(HDC dc, HWND window) const;
    // Sets up a control's colours for Windows' drawing; its background brush, null if not ours.
    HBRUSH ControlColour(HDC dc, HWND control, HWND dialog) const;
    // The owner-drawn controls: the lists' rows and the picture buttons.
    void DrawItem(const DRAWITEMSTRUCT& item) const;
    // The controls drawn in Windows' stead: the check box; returns the answer to NM_CUSTOMDRAW.
    LRESULT CustomDraw(const NMCUSTOMDRAW& draw) const;
    // Draws a disabled text box's text again, over the edit's own, dimmed like the other inputs:
    // Windows draws it in its grey, which no parent can change and which is hard to read.
    void DrawInertEditText(HWND edit) const;

private:
    struct Colours {
        COLORREF back, text;
    };
    // How a picture fills its rectangle: centred at its own size, or widened to span it.
    enum class Fit { Centred, SpanWidth };

    Colours ColoursOf(const layout::Control& design, bool inert) const;
    HBRUSH BackBrush(const layout::Control& design) const;
    HBITMAP Bitmap(layout::Picture picture) const;
    HBRUSH MakeBackgroundBrush() const;

    void DrawListRow(const DRAWITEMSTRUCT& item, const layout::Control& list) const;
    void DrawPictureButton(const DRAWITEMSTRUCT& item, const layout::Control& button) const;
    void DrawCheckBox(HDC dc, HWND box, const layout::Control& design) const;
    void DrawTick(HDC dc, const RECT& face, bool checked, COLORREF ink) const;
    void DrawFocus(HDC dc, RECT around, int inset, COLORREF ink) const;
    // A picture at DPI scale in a rectangle, clipped to it, shifted by offset pixels.
    void DrawPicture(HDC dc, layout::Picture picture, const RECT& into, int offset, Fit fit = Fit::Centred) const;

    Dpi dpi_;
    bool highContrast_ = false;
    UniqueGdi<HFONT> font_, classicFont_;
    std::vector<std::pair<layout::Picture, UniqueGdi<HBITMAP>>> pictures_;
    std::array<UniqueGdi<HBRUSH>, layout::kControlCount> backBrushes_;  // by row of layout::kControls
    UniqueGdi<HBRUSH> backgroundBrush_;
};

}  // namespace zarn::win32
