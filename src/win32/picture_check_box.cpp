#include "win32/picture_check_box.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>

#include "base/error_box.h"
#include "setup/layout.h"
#include "win32/focus_cues.h"
#include "win32/gdi.h"
#include "win32/handles.h"

namespace zarn::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;

// At 96 DPI, scaled:
constexpr int kTickLeftPx = 4;           // the tick box from the face's left edge
constexpr int kTickBoxPx = 9;            // the tick box's side
constexpr int kTickCaptionGapPx = 3;     // between the tick box and the caption
constexpr int kTickPenPx = 2;            // the tick's stroke
constexpr int kCaptionRightSlackPx = 6;  // room after the caption

// In device pixels, as the frames drawn by Windows are:
constexpr int kFocusInsetPx = 2;  // the focus rectangle inside the face

constexpr int kMaxCaptionLength = 64;

}  // namespace

void PictureCheckBox::Attach(HWND button, std::function<void(std::exception_ptr)> onError) {
    button_ = button;
    onError_ = std::move(onError);
    SetWindowSubclass(button, &PictureCheckBox::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void PictureCheckBox::SetChecked(bool checked) {
    checked_ = checked;
    if (button_) InvalidateRect(button_, nullptr, FALSE);
}

LRESULT CALLBACK PictureCheckBox::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    auto* self = reinterpret_cast<PictureCheckBox*>(ref);
    // A failed message is answered 0: its error ends the program, which unloads the dialog.
    return CatchAtBoundary(
        LRESULT{0}, [&] { return self->HandleMessage(hwnd, msg, wp, lp); },
        [self](std::exception_ptr e) {
            if (self->onError_) self->onError_(e);
        });
}

// Answers BM_GETCHECK / BM_SETCHECK from its own state, so that accessibility tools and
// tests can read and set it like any check box.
LRESULT PictureCheckBox::HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case BM_GETCHECK: return checked_ ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK: SetChecked(wp != BST_UNCHECKED); return 0;
        // An owner-drawn button reports a double click instead of its second click;
        // as a press, it toggles the box twice, like two single clicks.
        case WM_LBUTTONDBLCLK: return DefSubclassProc(hwnd, WM_LBUTTONDOWN, wp, lp);
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &PictureCheckBox::SubclassProc, kSubclassId);
            button_ = nullptr;
            break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

int PictureCheckBox::CaptionLeft(const Dpi& dpi) { return dpi.Scale(kTickLeftPx + kTickBoxPx + kTickCaptionGapPx); }

int PictureCheckBox::WidthFor(int designedWidth, int captionWidth, const Dpi& dpi) {
    return std::max(designedWidth, CaptionLeft(dpi) + captionWidth + dpi.Scale(kCaptionRightSlackPx));
}

void PictureCheckBox::Draw(const DRAWITEMSTRUCT& item, const DialogPainter& painter) const {
    const int shift = checked_ ? kPressedShiftPx : 0;
    const COLORREF ink = InputTextColour(item.itemState & ODS_DISABLED);
    RECT face = item.rcItem;
    painter.DrawPicture(item.hDC, painter.Picture(layout::Picture::Check), face, shift, DialogPainter::Fit::SpanWidth);
    DrawEdge(item.hDC, &face, checked_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    DrawTick(item.hDC, face, painter.dpi(), ink);

    RECT caption = face;
    caption.left = face.left + CaptionLeft(painter.dpi());
    OffsetRect(&caption, shift, shift);
    std::wstring text(kMaxCaptionLength, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(item.hwndItem, text.data(), static_cast<int>(text.size()))));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, ink);
    {
        const SelectedObject font(item.hDC, painter.Font());
        DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &caption,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT | DT_END_ELLIPSIS);
    }
    if (ShowsFocusRectangle(item)) {
        RECT focus = face;
        InflateRect(&focus, -kFocusInsetPx, -kFocusInsetPx);
        SetBkColor(item.hDC, kBlack);
        DrawFocusRect(item.hDC, &focus);
    }
}

// A small tick box at the left makes the state plain at a glance.
void PictureCheckBox::DrawTick(HDC dc, const RECT& face, const Dpi& dpi, COLORREF ink) const {
    const int box = dpi.Scale(kTickBoxPx);
    const int left = face.left + dpi.Scale(kTickLeftPx);
    const int top = face.top + (face.bottom - face.top - box) / 2;
    const RECT square{left, top, left + box, top + box};
    {
        const UniqueGdi<HBRUSH> frame(CreateSolidBrush(ink));
        FrameRect(dc, &square, frame.get());
    }
    if (!checked_) return;
    const UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, std::max(1, dpi.Scale(kTickPenPx)), ink));
    const SelectedObject selected(dc, pen.get());
    // A check mark through three points placed as fractions of the box, so it scales with it.
    MoveToEx(dc, left + box / 5, top + box / 2, nullptr);
    LineTo(dc, left + box / 2 - 1, top + box - box / 4 - 1);
    LineTo(dc, left + box - box / 5, top + box / 5);
}

}  // namespace zarn::win32
