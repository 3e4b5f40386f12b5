#include "win32/dialog_window.h"

#include <algorithm>

#include "model/catalogue.h"
#include "resource.h"
#include "win32/system_error.h"
#include "win32/text.h"

namespace zarn::win32 {

namespace {

constexpr int kListDropRows = 6;  // rows a list shows when it drops down
constexpr int kLabelSlackPx = 2;  // device pixels a label is wider than its caption

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT;

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

template <typename Rows, typename ItemData>
void AddRows(HWND list, const Rows& rows, ItemData itemData) {
    for (const auto& row : rows) {
        const auto at = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(row.text).c_str()));
        SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(at), itemData(row));
    }
}

}  // namespace

DialogWindow::~DialogWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void DialogWindow::Create(DialogEvents events) {
    events_ = std::move(events);
    theme_ = std::make_unique<DialogTheme>(instance_, Dpi::OfScreen());
    RegisterWindowClass();
    const RECT frame = CentredFrame(theme_->dpi());
    hwnd_ = CreateWindowExW(kWindowExStyle, Widen(layout::kWindowClass).c_str(), Widen(layout::kCaption).c_str(),
                            kWindowStyle, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                            nullptr, nullptr, instance_, this);
    if (!hwnd_) throw SystemError(GetLastError(), "Creating the dialog");
    CreateControls();
}

void DialogWindow::RegisterWindowClass() const {
    const std::wstring className = Widen(layout::kWindowClass);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &DialogWindow::WindowProc;
    wc.hInstance = instance_;
    wc.hIcon = LoadProgramIcon(instance_, SM_CXICON, SM_CYICON);
    wc.hIconSm = LoadProgramIcon(instance_, SM_CXSMICON, SM_CYSMICON);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = className.c_str();
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw SystemError(GetLastError(), "Creating the dialog");
}

void DialogWindow::CreateControls() {
    // Creation order is the Tab order: the dialog manager walks the children in z-order.
    for (const layout::Control* design : layout::ControlsByTabIndex()) CreateControl(*design);
    FillLists();
    // The label's last pixel row lies under the path box's frame: keep the label beneath it.
    // It takes no focus, so its place in the z-order does not change the Tab order.
    SetWindowPos(Control(layout::id::gamePathLabel), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    skipDialogCheck_.Attach(Control(layout::id::skipDialogCheck));
    lastFocus_ = Control(layout::id::runButton);
}

void DialogWindow::CreateControl(const layout::Control& design) {
    const Dpi& dpi = theme_->dpi();
    const wchar_t* cls = L"BUTTON";
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    int width = dpi.FromTwips(design.width);
    int height = dpi.FromTwips(design.height);
    // A caption is never cut: the label and the check box grow to fit it if the font needs more room.
    switch (design.kind) {
        case layout::Kind::PictureButton: style |= BS_OWNERDRAW; break;
        case layout::Kind::PictureCheckBox:
            style |= BS_OWNERDRAW;
            width = PictureCheckBox::WidthFor(width, theme_->TextWidth(hwnd_, design.text), dpi);
            break;
        case layout::Kind::TextBox:
            cls = L"EDIT";
            style |= ES_AUTOHSCROLL | ES_LEFT | WS_BORDER;
            break;
        case layout::Kind::DropDownList:
            cls = L"COMBOBOX";
            style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL;
            height += kListDropRows * dpi.FromTwips(design.height);
            break;
        case layout::Kind::Label:
            cls = L"STATIC";
            style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFTNOWORDWRAP | SS_NOPREFIX;
            width = std::max(width, theme_->TextWidth(hwnd_, design.text) + kLabelSlackPx);
            break;
        case layout::Kind::CommonDialog: return;
    }
    const HWND control = CreateWindowExW(0, cls, Widen(design.text).c_str(), style, dpi.FromTwips(design.left),
                                         dpi.FromTwips(design.top), width, height, hwnd_,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), instance_, nullptr);
    if (!control) throw SystemError(GetLastError(), "Creating the dialog's controls");
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(theme_->FontOf(design.id)), FALSE);
}

void DialogWindow::FillLists() {
    // The lists' closed height is the designed one; their rows match it.
    for (int id : {layout::id::resolutionList, layout::id::colourList}) {
        SendMessageW(Control(id), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), theme_->ListRowHeight());
        SendMessageW(Control(id), CB_SETITEMHEIGHT, 0, theme_->ListRowHeight());
    }
    AddRows(Control(layout::id::resolutionList), kResolutionRows, [](const auto& row) { return row.width; });
    AddRows(Control(layout::id::colourList), kColourRows, [](const auto& row) { return row.bitsPerPixel; });
}

void DialogWindow::Show() {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
}

void DialogWindow::Unload() {
    if (!hwnd_) return;
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

void DialogWindow::SetResolutionRow(int row) {
    SendMessageW(Control(layout::id::resolutionList), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
}
int DialogWindow::ResolutionRow() const {
    return static_cast<int>(SendMessageW(Control(layout::id::resolutionList), CB_GETCURSEL, 0, 0));
}
void DialogWindow::SetColourRow(int row) {
    SendMessageW(Control(layout::id::colourList), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
}
int DialogWindow::ColourRow() const {
    return static_cast<int>(SendMessageW(Control(layout::id::colourList), CB_GETCURSEL, 0, 0));
}
void DialogWindow::SetPathText(const std::string& text) {
    SetWindowTextW(Control(layout::id::gamePathEdit), Widen(text).c_str());
}
std::string DialogWindow::PathText() const {
    const HWND edit = Control(layout::id::gamePathEdit);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}
void DialogWindow::SetSkipDialog(bool ticked) { skipDialogCheck_.SetChecked(ticked); }
bool DialogWindow::SkipDialog() const { return skipDialogCheck_.Checked(); }

void DialogWindow::SetBusy(bool busy) {
    if (!hwnd_) return;
    EnableWindow(Control(layout::id::runButton), !busy);
    EnableWindow(Control(layout::id::browseButton), !busy);
}

LRESULT CALLBACK DialogWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<DialogWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || !self->hwnd_) return DefWindowProcW(hwnd, msg, wp, lp);
    return self->HandleMessage(msg, wp, lp);
}

LRESULT DialogWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND: OnCommand(LOWORD(wp), HIWORD(wp)); return 0;
        case WM_ACTIVATE: OnActivate(wp); return 0;
        case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wp));
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC: return OnControlColour(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
        case WM_MEASUREITEM: OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp)); return TRUE;
        case WM_DRAWITEM: OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp)); return TRUE;
        case WM_CLOSE:
            if (!events_.canClose || events_.canClose()) Unload();
            return 0;
        case WM_DESTROY: hwnd_ = nullptr; return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void DialogWindow::OnCommand(int id, int code) {
    switch (id) {
        case layout::id::runButton:
            if (code == BN_CLICKED && events_.runClicked) events_.runClicked();
            break;
        case layout::id::browseButton:
            if (code == BN_CLICKED && events_.browseClicked) events_.browseClicked();
            break;
        case layout::id::skipDialogCheck:
            if (code == BN_CLICKED) skipDialogCheck_.Toggle();
            break;
        case IDOK: {
            // Enter: neither button is the default one, but a focused button takes it.
            const HWND focus = GetFocus();
            if (focus == Control(layout::id::runButton) || focus == Control(layout::id::browseButton))
                SendMessageW(focus, BM_CLICK, 0, 0);
            break;
        }
    }
}

void DialogWindow::OnActivate(WPARAM wp) {
    // Keep the focus where the user left it, as a dialog does.
    if (LOWORD(wp) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
    } else if (lastFocus_ && IsWindow(lastFocus_)) {
        SetFocus(lastFocus_);
    }
}

bool DialogWindow::OnEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    theme_->EraseBackground(dc, client);
    return true;
}

LRESULT DialogWindow::OnControlColour(HDC dc, HWND control) {
    return reinterpret_cast<LRESULT>(theme_->ControlColour(dc, control, hwnd_));
}

void DialogWindow::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    item.itemHeight = static_cast<UINT>(theme_->ListRowHeight());
}

void DialogWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType == ODT_COMBOBOX)
        theme_->DrawListRow(item);
    else if (item.CtlType == ODT_BUTTON && static_cast<int>(item.CtlID) == layout::id::skipDialogCheck)
        skipDialogCheck_.Draw(item, *theme_);
    else if (item.CtlType == ODT_BUTTON)
        theme_->DrawPictureButton(item);
}

}  // namespace zarn::win32
