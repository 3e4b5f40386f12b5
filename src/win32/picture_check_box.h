#pragma once
// "Don't show me again": an owner-drawn button that keeps its own two states and answers
// like any check box; DialogPainter draws it.

#include <windows.h>

#include <exception>
#include <functional>

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

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
    LRESULT HandleMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    HWND button_ = nullptr;
    std::function<void(std::exception_ptr)> onError_;
    bool checked_ = false;
};

}  // namespace zarn::win32
