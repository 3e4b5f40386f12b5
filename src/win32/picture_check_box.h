#pragma once
// "Don't show me again": an owner-drawn button shown as a picture with a tick box,
// that keeps its own two states and answers like any check box.

#include <windows.h>

#include <exception>
#include <functional>

#include "win32/dialog_painter.h"
#include "win32/dpi.h"

namespace zarn::win32 {

class PictureCheckBox {
public:
    PictureCheckBox() = default;
    PictureCheckBox(const PictureCheckBox&) = delete;
    PictureCheckBox& operator=(const PictureCheckBox&) = delete;

    // Takes over the owner-drawn button until it is destroyed; an error raised while it
    // handles a message goes to onError.
    void Attach(HWND button, std::function<void(std::exception_ptr)> onError);

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    void Toggle() { SetChecked(!checked_); }

    void Draw(const DRAWITEMSTRUCT& item, const DialogPainter& painter) const;

    // The width that shows the whole caption beside the tick box, at least the designed one.
    static int WidthFor(int designedWidth, int captionWidth, const Dpi& dpi);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static int CaptionLeft(const Dpi& dpi);
    void DrawTick(HDC dc, const RECT& face, const Dpi& dpi, COLORREF ink) const;

    HWND button_ = nullptr;
    std::function<void(std::exception_ptr)> onError_;
    bool checked_ = false;
};

}  // namespace zarn::win32
