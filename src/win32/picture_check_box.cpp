#include "win32/picture_check_box.h"

#include <commctrl.h>

#include <utility>

#include "base/error_box.h"

namespace zarn::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;

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

}  // namespace zarn::win32
