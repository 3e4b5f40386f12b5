#pragma once
// The setup dialog's window: the eight designed controls, their pictures and colours,
// keyboard handling, and the hand-off of clicks to the program's handlers.

#include <windows.h>

#include <array>
#include <functional>

#include "base/services.h"
#include "setup/layout.h"
#include "win32/dpi.h"
#include "win32/handles.h"

namespace zarn::win32 {

// What the window hands on to the program.
struct DialogEvents {
    std::function<void()> runClicked;
    std::function<void()> browseClicked;
    std::function<bool()> canClose;  // false holds a close
};

class DialogWindow final : public DialogView {
public:
    explicit DialogWindow(HINSTANCE instance) : instance_(instance) {}
    ~DialogWindow() override;
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Creates the window and its controls, hidden, as designed, handing its events
    // to the program. Raises a RuntimeError on failure.
    void Create(DialogEvents events);
    HWND hwnd() const { return hwnd_; }

    void Show() override;
    void Unload() override;
    bool Loaded() const override { return hwnd_ != nullptr; }
    void SetResolutionRow(int row) override;
    int ResolutionRow() const override;
    void SetColourRow(int row) override;
    int ColourRow() const override;
    void SetPathText(const std::string& text) override;
    std::string PathText() const override;
    void SetSkipDialog(bool ticked) override;
    bool SkipDialog() const override;
    void SetBusy(bool busy) override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK CheckBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

    void CreateControls();
    HWND Control(int id) const { return GetDlgItem(hwnd_, id); }
    int Px(int twips) const { return dpi_.FromTwips(twips); }
    HBITMAP Picture(layout::Picture picture) const;
    HBRUSH BackgroundBrush() const;
    int TextWidth(std::string_view text) const;
    int CheckCaptionLeft() const;
    int ListRowHeight() const;

    void OnCommand(int id, int code);
    void OnActivate(WPARAM wp);
    bool OnEraseBackground(HDC dc);
    HBRUSH OnControlColour(HDC dc, HWND control);
    void OnMeasureItem(MEASUREITEMSTRUCT& item);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void DrawListItem(const DRAWITEMSTRUCT& item);
    void DrawPictureButton(const DRAWITEMSTRUCT& item);
    void DrawCheckBox(const DRAWITEMSTRUCT& item);
    void DrawPicture(HDC dc, HBITMAP bitmap, const RECT& into, int offset, bool fillWidth = false) const;

    HINSTANCE instance_;
    DialogEvents events_;
    HWND hwnd_ = nullptr;
    HWND lastFocus_ = nullptr;
    Dpi dpi_;
    bool skipDialog_ = false;
    UniqueGdi<HFONT> font_, buttonFont_;
    UniqueGdi<HBRUSH> darkBlue_, backgroundBrush_;
    UniqueGdi<HBITMAP> background_, browse_, run_, check_;
};

}  // namespace zarn::win32
