#pragma once
// The setup dialog's window: the seven designed controls, keyboard handling, and the
// hand-off of clicks to the program's handlers. DialogPainter paints it.

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>

#include "setup/dialog_view.h"
#include "win32/dialog_painter.h"

namespace zarn::win32 {

// What the window hands on to the program.
struct DialogEvents {
    std::function<void()> runClicked;
    std::function<void()> browseClicked;
    std::function<bool()> canClose;  // false holds a close
    // An error raised inside the window's procedures, which must not let it pass.
    std::function<void(std::exception_ptr)> failed;
};

class Win32DialogView final : public DialogView {
public:
    explicit Win32DialogView(HINSTANCE instance) : instance_(instance) {}
    ~Win32DialogView() override;
    Win32DialogView(const Win32DialogView&) = delete;
    Win32DialogView& operator=(const Win32DialogView&) = delete;

    // Creates the window and its controls, hidden, as designed, handing its events
    // to the program. Raises a RuntimeError on failure.
    void Create(DialogEvents events);
    HWND hwnd() const { return hwnd_; }

    void Show() override;
    void Unload() override;
    bool Loaded() const override { return hwnd_ != nullptr; }
    void SetResolutionRow(int row) override;
    int ResolutionRow() const override;
    void SetDepthRow(int row) override;
    int DepthRow() const override;
    void SetPathText(const std::string& text) override;
    std::string PathText() const override;
    void SetSkipDialog(bool ticked) override;
    bool SkipDialog() const override;
    void SetBusy(bool busy) override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK BusyPaintProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

    void RegisterWindowClass();
    void CreateControls();
    HWND Control(int id) const { return GetDlgItem(hwnd_, id); }
    void Fail(std::exception_ptr error);

    void OnCommand(int id, int code);
    void OnEnter();
    void OnActivate(WPARAM wp);
    void OnSystemChange(UINT msg);
    void OnClose();
    void OnDestroy();

    HINSTANCE instance_;
    DialogEvents events_;
    HWND hwnd_ = nullptr;
    HWND lastFocus_ = nullptr;
    std::unique_ptr<DialogPainter> painter_;
    UniqueIcon icon_, smallIcon_;  // the window class's
};

}  // namespace zarn::win32
