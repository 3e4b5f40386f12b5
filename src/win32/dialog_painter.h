#pragma once
// The setup dialog's painting (our own, not Windows' visual styles), all from the design table
// (setup/layout.h): what it paints with and its colours (PaintResources, PaintColours, in
// paint_resources.cpp), and the painter that draws each kind of control as KindOf says.

#include <windows.h>

#include <array>
#include <optional>

#include "setup/layout.h"
#include "win32/dpi.h"
#include "win32/handles.h"

namespace zarn::win32 {

// The fonts and pictures, made once for the screen's DPI; the background picture also as a brush.
class PaintResources {
public:
    // How a picture fills its rectangle: centred at its own size, or widened to span it.
    enum class Fit { Centred, SpanWidth };

    PaintResources(HINSTANCE instance, Dpi dpi);
    const Dpi& dpi() const { return dpi_; }
    HFONT FontOf(const layout::Control& design) const;
    HBRUSH BackgroundBrush() const { return backgroundBrush_.get(); }
    // The background picture at DPI scale in the top-left corner.
    void DrawBackground(HDC dc) const;
    // A picture at DPI scale in a rectangle, clipped to it, shifted by offset pixels.
    void DrawPicture(HDC dc, layout::Picture picture, const RECT& into, int offset, Fit fit = Fit::Centred) const;

private:
    HBITMAP Bitmap(layout::Picture picture) const { return pictures_[static_cast<std::size_t>(picture)].get(); }
    HBRUSH MakeBackgroundBrush() const;

    Dpi dpi_;
    UniqueGdi<HFONT> font_, classicFont_;
    std::array<UniqueGdi<HBITMAP>, static_cast<std::size_t>(layout::Picture::Check) + 1> pictures_;
    UniqueGdi<HBRUSH> backgroundBrush_;
};

struct Colours {
    COLORREF back, text;
};

// The colour policy: a control's colours as designed, dimmed while the dialog is busy, or in Windows'
// high-contrast mode the system's; and the brush of its background.
class PaintColours {
public:
    // Makes a brush of each designed background colour; a transparent control's is this one.
    explicit PaintColours(HBRUSH background);
    // Reads whether high contrast is on; whether that changed.
    bool FollowHighContrast();
    bool highContrast() const { return highContrast_; }
    Colours Of(const layout::Control& design, bool busy) const;
    bool ShowsBackground(const layout::Control& design) const;
    HBRUSH BackBrush(const layout::Control& design) const;
    COLORREF BusyHatch() const;  // over a picture button while the dialog is busy

private:
    HBRUSH background_;
    bool highContrast_;
    std::array<UniqueGdi<HBRUSH>, layout::kControlCount> brushes_;  // by index into layout::kControls
};

enum class Painting {
    ByWindows,      // in the colours the painter sets up (WM_CTLCOLOR…)
    OwnerDrawn,     // drawn for Windows (WM_DRAWITEM)
    CustomDrawn,    // drawn instead of Windows (NM_CUSTOMDRAW)
    AgainWhenBusy,  // by Windows, and while the dialog is busy drawn again after its WM_PAINT
};

class DialogPainter {
public:
    DialogPainter(HINSTANCE instance, Dpi dpi) : resources_(instance, dpi), colours_(resources_.BackgroundBrush()) {}

    const PaintResources& resources() const { return resources_; }
    bool FollowHighContrast() { return colours_.FollowHighContrast(); }
    // The answer to one of the dialog window's painting messages; none to any other message.
    std::optional<LRESULT> Answer(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) const;
    // After the control's own WM_PAINT, while the dialog is busy (Painting::AgainWhenBusy).
    void DrawBusy(HWND control) const;

    // The drawing of each kind the dialog draws, handed its control as WM_DRAWITEM describes one.
    void DrawListRow(const layout::Control& list, const DRAWITEMSTRUCT& item) const;
    void DrawPictureButton(const layout::Control& button, const DRAWITEMSTRUCT& item) const;
    void DrawPictureCheckBox(const layout::Control& box, const DRAWITEMSTRUCT& item) const;
    // Windows draws a disabled edit's text in its grey, which no parent can change and which is
    // hard to read: it is drawn again, dimmed like the other inputs.
    void DrawBusyText(const layout::Control& edit, const DRAWITEMSTRUCT& item) const;
    // The width the check box needs to show a caption of this width whole.
    static int CheckBoxWidthAround(const Dpi& dpi, int captionWidth);

private:
    void EraseBackground(HDC dc, HWND dialog) const;
    std::optional<LRESULT> ControlColour(HDC dc, HWND control, HWND dialog) const;
    std::optional<LRESULT> CustomDraw(const NMHDR& header) const;
    bool Draw(Painting painting, const DRAWITEMSTRUCT& item) const;  // whether its kind is painted so
    void DrawFocus(HDC dc, RECT around, int inset, COLORREF ink) const;

    PaintResources resources_;
    PaintColours colours_;
};

// Each kind of control, decided here once: the window made for it and how it is painted, which
// the controls' creation, the window's routing and the painter all read.
struct KindOfControl {
    const wchar_t* windowClass;
    DWORD style;
    Painting painting;
    void (DialogPainter::*draw)(const layout::Control&, const DRAWITEMSTRUCT&) const;  // null: by Windows
};

constexpr KindOfControl KindOf(layout::Kind kind) {
    constexpr DWORD kInput = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    switch (kind) {
        case layout::Kind::PictureButton:
            return {L"BUTTON", kInput | BS_OWNERDRAW, Painting::OwnerDrawn, &DialogPainter::DrawPictureButton};
        // A check box to assistive tools, with its state.
        case layout::Kind::PictureCheckBox:
            return {L"BUTTON", kInput | BS_CHECKBOX, Painting::CustomDrawn, &DialogPainter::DrawPictureCheckBox};
        case layout::Kind::TextBox:
            return {L"EDIT", kInput | ES_AUTOHSCROLL | ES_LEFT | WS_BORDER, Painting::AgainWhenBusy,
                    &DialogPainter::DrawBusyText};
        case layout::Kind::DropDownList:
            return {L"COMBOBOX", kInput | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL,
                    Painting::OwnerDrawn, &DialogPainter::DrawListRow};
        case layout::Kind::Label: break;
    }
    return {L"STATIC", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFTNOWORDWRAP | SS_NOPREFIX, Painting::ByWindows,
            nullptr};
}

}  // namespace zarn::win32
