#include "win32/dialog_view.h"

#include <commctrl.h>

#include <algorithm>

#include "base/boundary.h"
#include "resource.h"
#include "win32/dialog_controls.h"
#include "win32/focus_cues.h"
#include "win32/system_error.h"
#include "win32/text.h"

namespace zarn::win32 {

namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;
constexpr UINT_PTR kBusyPaintSubclassId = 1;

HICON LoadProgramIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_ZARNRES), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), 0));
}

// The window's frame for a client area of the designed size, centred in the work area.
RECT CentredFrame(const Dpi& dpi) {
    RECT frame{0, 0, dpi.FromTwips(layout::kClientWidth), dpi.FromTwips(layout::kClientHeight)};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, kWindowExStyle);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + std::max(0, static_cast<int>(work.right - work.left - width) / 2);
    const int y = work.top + std::max(0, static_cast<int>(work.bottom - work.top - height) / 2);
    return {x, y, x + width, y + height};
}

void SelectIndex(HWND list, int index) { SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
int SelectedIndex(HWND list) { return static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)); }

}  // namespace

// The class goes before its icons do.
Win32DialogView::~Win32DialogView() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (icon_) UnregisterClassW(Widen(layout::kWindowClass).c_str(), instance_);
}

void Win32DialogView::Create(DialogEvents events) {
    events_ = std::move(events);
    painter_ = std::make_unique<DialogPainter>(instance_, Dpi::OfScreen());
    RegisterWindowClass();
    const RECT frame = CentredFrame(painter_->resources().dpi());
    hwnd_ = CreateWindowExW(kWindowExStyle, Widen(layout::kWindowClass).c_str(), Widen(layout::kCaption).c_str(),
                            kWindowStyle, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                            nullptr, nullptr, instance_, this);
    if (!hwnd_) throw SystemError(GetLastError(), "Creating the dialog");
    CreateControls();
    InitialiseKeyboardCues(hwnd_);
}

void Win32DialogView::RegisterWindowClass() {
    const std::wstring className = Widen(layout::kWindowClass);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &Win32DialogView::WindowProc;
    wc.hInstance = instance_;
    icon_.reset(LoadProgramIcon(instance_, SM_CXICON, SM_CYICON));
    smallIcon_.reset(LoadProgramIcon(instance_, SM_CXSMICON, SM_CYSMICON));
    wc.hIcon = icon_.get();
    wc.hIconSm = smallIcon_.get();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className.c_str();
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw SystemError(GetLastError(), "Creating the dialog");
}

void Win32DialogView::CreateControls() {
    CreateDialogControls(hwnd_, instance_, painter_->resources());
    for (const layout::Control& design : layout::kControls)
        if (KindOf(design.kind).painting == Painting::AgainWhenBusy)
            SetWindowSubclass(Control(design.id), &Win32DialogView::BusyPaintProc, kBusyPaintSubclassId,
                              reinterpret_cast<DWORD_PTR>(this));
    lastFocus_ = Control(layout::id::kRunButton);
}

void Win32DialogView::Show() {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
    AddListRows(hwnd_);
}

void Win32DialogView::Unload() {
    if (!hwnd_) return;
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    painter_.reset();  // its pictures, fonts and brushes are not kept through a game run
}

void Win32DialogView::SetResolutionRow(int row) { SelectIndex(Control(layout::id::kResolutionList), row); }
int Win32DialogView::ResolutionRow() const { return SelectedIndex(Control(layout::id::kResolutionList)); }
void Win32DialogView::SetDepthRow(int row) { SelectIndex(Control(layout::id::kColourList), row); }
int Win32DialogView::DepthRow() const { return SelectedIndex(Control(layout::id::kColourList)); }
void Win32DialogView::SetPathText(const std::string& text) {
    SetWindowTextW(Control(layout::id::kGamePathEdit), Widen(text).c_str());
}
std::string Win32DialogView::PathText() const { return Narrow(WindowText(Control(layout::id::kGamePathEdit))); }
void Win32DialogView::SetSkipDialog(bool ticked) {
    SendMessageW(Control(layout::id::kSkipDialogCheck), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}
bool Win32DialogView::SkipDialog() const {
    return SendMessageW(Control(layout::id::kSkipDialogCheck), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// While a game runs, no control takes the focus or a change, and each keeps showing the
// value being applied. The window itself holds the focus meanwhile (Windows would leave it
// on the disabled control, where Tab stops working), and gives it back after the run.
void Win32DialogView::SetBusy(bool busy) {
    if (!hwnd_) return;
    const HWND focus = GetFocus();
    if (busy && IsChild(hwnd_, focus)) {
        lastFocus_ = focus;
        SetFocus(hwnd_);
    }
    for (const layout::Control* design : layout::ControlsByTabIndex())
        if (KindOf(design->kind).style & WS_TABSTOP) EnableWindow(Control(design->id), !busy);
    if (!busy && focus == hwnd_) SetFocus(lastFocus_);
}

LRESULT CALLBACK Win32DialogView::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<Win32DialogView*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32DialogView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || !self->hwnd_) return DefWindowProcW(hwnd, msg, wp, lp);
    // A failed message is answered 0: its error ends the program, which unloads this window.
    return CatchAtBoundary(
        LRESULT{0}, [&] { return self->HandleMessage(msg, wp, lp); }, [self](std::exception_ptr e) { self->Fail(e); });
}

LRESULT CALLBACK Win32DialogView::BusyPaintProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &Win32DialogView::BusyPaintProc, kBusyPaintSubclassId);
    const LRESULT result = DefSubclassProc(hwnd, msg, wp, lp);
    if (msg != WM_PAINT || IsWindowEnabled(hwnd)) return result;
    auto* self = reinterpret_cast<Win32DialogView*>(ref);
    return CatchAtBoundary(
        result,
        [&] {
            self->painter_->DrawBusy(hwnd);
            return result;
        },
        [self](std::exception_ptr e) { self->Fail(e); });
}

void Win32DialogView::Fail(std::exception_ptr error) {
    if (events_.failed) events_.failed(error);
}

LRESULT Win32DialogView::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (const std::optional<LRESULT> painted = painter_->Answer(hwnd_, msg, wp, lp)) return *painted;
    switch (msg) {
        case WM_COMMAND: OnCommand(LOWORD(wp), HIWORD(wp)); return 0;
        case WM_ACTIVATE: OnActivate(wp); return 0;
        case WM_UPDATEUISTATE: return UpdateUiState(hwnd_, wp, lp);
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE: OnSystemChange(msg); break;
        case WM_CLOSE: OnClose(); return 0;
        case WM_DESTROY: OnDestroy(); return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void Win32DialogView::OnClose() {
    if (!events_.canClose || events_.canClose()) Unload();
}

// The window is gone: the program's loop ends, and no message reaches it any more. A close sent
// by another program is handled inside the loop's GetMessageW, which then waits on for a posted
// message: an empty one wakes it. (Not WM_QUIT: a direct launch destroys the window first, and
// WM_QUIT would end its boxes unseen.)
void Win32DialogView::OnDestroy() {
    hwnd_ = nullptr;
    PostMessageW(nullptr, WM_NULL, 0, 0);
}

void Win32DialogView::OnCommand(int id, int code) {
    if (id == IDOK) return OnEnter();
    if (code != BN_CLICKED) return;
    // Wine's buttons still answer BM_CLICK when disabled, taking the focus: a busy dialog's click does nothing.
    if (const HWND button = Control(id); !IsWindowEnabled(button)) {
        if (GetFocus() == button) SetFocus(hwnd_);
        return;
    }
    switch (id) {
        case layout::id::kRunButton:
            if (events_.runClicked) events_.runClicked();
            break;
        case layout::id::kBrowseButton:
            if (events_.browseClicked) events_.browseClicked();
            break;
        // A plain check box (BS_CHECKBOX) leaves its state to its parent: never changed while busy.
        case layout::id::kSkipDialogCheck: SetSkipDialog(!SkipDialog()); break;
    }
}

// Enter: neither button is the default one, but a focused button takes it.
void Win32DialogView::OnEnter() {
    const HWND focus = GetFocus();
    if (focus == Control(layout::id::kRunButton) || focus == Control(layout::id::kBrowseButton))
        SendMessageW(focus, BM_CLICK, 0, 0);
}

// High contrast switched on or off, or the system's colours changed: the controls hear of the
// colours (common controls learn of them only from their top-level window), and all is
// painted again.
void Win32DialogView::OnSystemChange(UINT msg) {
    if (!painter_->FollowHighContrast() && msg != WM_SYSCOLORCHANGE) return;
    if (msg == WM_SYSCOLORCHANGE)
        for (HWND control = GetWindow(hwnd_, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT))
            SendMessageW(control, WM_SYSCOLORCHANGE, 0, 0);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32DialogView::OnActivate(WPARAM wp) {
    // Keep the focus where the user left it, as a dialog does.
    if (LOWORD(wp) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
    } else if (lastFocus_ && IsWindow(lastFocus_)) {
        SetFocus(IsWindowEnabled(lastFocus_) ? lastFocus_ : hwnd_);  // during a run, no control takes it
    }
}

}  // namespace zarn::win32
