#include "win32/dialog_window.h"

#include <commctrl.h>

#include <algorithm>

#include "resource.h"
#include "model/catalogue.h"
#include "win32/gdi.h"
#include "win32/system_error.h"
#include "win32/text.h"

namespace zarn::win32 {

namespace {

constexpr int kListDropRows = 6;

COLORREF Colour(std::uint32_t bgr) { return static_cast<COLORREF>(bgr); }

HFONT MakeFont(std::string_view face, int pixelHeight) {
    LOGFONTW lf{};
    lf.lfHeight = -pixelHeight;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    const std::wstring name = Widen(face).substr(0, LF_FACESIZE - 1);
    std::copy(name.begin(), name.end(), lf.lfFaceName);
    return CreateFontIndirectW(&lf);
}

HBITMAP LoadPicture(HINSTANCE instance, int id) {
    return static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    return {info.bmWidth, info.bmHeight};
}

}  // namespace

DialogWindow::~DialogWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void DialogWindow::Create(DialogEvents events) {
    events_ = std::move(events);
    dpi_ = Dpi::OfScreen();
    font_.reset(MakeFont(layout::kFontFace, dpi_.Scale(layout::kFontPixelHeight)));
    buttonFont_.reset(MakeFont(layout::kButtonFontFace, dpi_.Scale(layout::kFontPixelHeight)));
    darkBlue_.reset(CreateSolidBrush(Colour(layout::kDarkBlue)));
    background_.reset(LoadPicture(instance_, IDB_BACKGROUND));
    backgroundBrush_.reset(BackgroundBrush());
    browse_.reset(LoadPicture(instance_, IDB_BROWSE));
    run_.reset(LoadPicture(instance_, IDB_RUN));
    check_.reset(LoadPicture(instance_, IDB_CHECK));

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &DialogWindow::WindowProc;
    wc.hInstance = instance_;
    wc.hIcon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_ZARNRES), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_ZARNRES), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    const std::wstring className = Widen(layout::kWindowClass);
    wc.lpszClassName = className.c_str();
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw SystemError(GetLastError(), "Creating the dialog");

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_CONTROLPARENT;
    RECT frame{0, 0, Px(layout::kClientWidth), Px(layout::kClientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + std::max(0, static_cast<int>(work.right - work.left - width) / 2);
    const int y = work.top + std::max(0, static_cast<int>(work.bottom - work.top - height) / 2);

    hwnd_ = CreateWindowExW(exStyle, className.c_str(), Widen(layout::kCaption).c_str(), style, x, y, width, height,
                            nullptr, nullptr, instance_, this);
    if (!hwnd_) throw SystemError(GetLastError(), "Creating the dialog");
    CreateControls();
}

void DialogWindow::CreateControls() {
    // Creation order is the Tab order: the dialog manager walks the children in z-order.
    for (const layout::Control* c : layout::ControlsByTabIndex()) {
        const wchar_t* cls = L"BUTTON";
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
        DWORD exStyle = 0;
        int height = Px(c->height);
        switch (c->kind) {
            case layout::Kind::PictureButton:
            case layout::Kind::PictureCheckBox: style |= BS_OWNERDRAW; break;
            case layout::Kind::TextBox:
                cls = L"EDIT";
                style |= ES_AUTOHSCROLL | ES_LEFT | WS_BORDER;
                break;
            case layout::Kind::DropDownList:
                cls = L"COMBOBOX";
                style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL;
                height += kListDropRows * Px(c->height);  // the rows that drop down below it
                break;
            case layout::Kind::Label:
                cls = L"STATIC";
                style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFTNOWORDWRAP | SS_NOPREFIX;
                break;
            case layout::Kind::CommonDialog: continue;
        }
        int width = Px(c->width);
        // A caption is never cut: the label and the check box grow to fit it if the font needs more room.
        if (c->kind == layout::Kind::Label) width = std::max(width, TextWidth(c->text) + 2);
        if (c->kind == layout::Kind::PictureCheckBox)
            width = std::max(width, CheckCaptionLeft() + TextWidth(c->text) + dpi_.Scale(6));
        const HWND control = CreateWindowExW(exStyle, cls, Widen(c->text).c_str(), style, Px(c->left), Px(c->top),
                                             width, height, hwnd_,
                                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(c->id)), instance_, nullptr);
        if (!control) throw SystemError(GetLastError(), "Creating the dialog's controls");
        const HFONT font = c->id == layout::id::browseButton ? buttonFont_.get() : font_.get();
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }

    // The lists' closed height is the designed one; their rows match it.
    for (int id : {layout::id::resolutionList, layout::id::colourList}) {
        SendMessageW(Control(id), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), ListRowHeight());
        SendMessageW(Control(id), CB_SETITEMHEIGHT, 0, ListRowHeight());
    }
    for (const auto& row : kResolutionRows) {
        const auto at = SendMessageW(Control(layout::id::resolutionList), CB_ADDSTRING, 0,
                                     reinterpret_cast<LPARAM>(Widen(row.text).c_str()));
        SendMessageW(Control(layout::id::resolutionList), CB_SETITEMDATA, static_cast<WPARAM>(at), row.width);
    }
    for (const auto& row : kColourRows) {
        const auto at = SendMessageW(Control(layout::id::colourList), CB_ADDSTRING, 0,
                                     reinterpret_cast<LPARAM>(Widen(row.text).c_str()));
        SendMessageW(Control(layout::id::colourList), CB_SETITEMDATA, static_cast<WPARAM>(at), row.bitsPerPixel);
    }
    // The label's last pixel row lies under the path box's frame: keep the label beneath it.
    // It takes no focus, so its place in the z-order does not change the Tab order.
    SetWindowPos(Control(layout::id::gamePathLabel), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowSubclass(Control(layout::id::skipDialogCheck), &DialogWindow::CheckBoxProc, 1,
                      reinterpret_cast<DWORD_PTR>(this));
    lastFocus_ = Control(layout::id::runButton);
}

int DialogWindow::TextWidth(std::string_view text) const {
    const WindowDc dc(hwnd_);
    const SelectedObject font(dc.get(), font_.get());
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

// Where the check box's caption starts, after its tick indicator.
int DialogWindow::CheckCaptionLeft() const { return dpi_.Scale(4 + 9 + 3); }

void DialogWindow::Show() {
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    SetForegroundWindow(hwnd_);
}

void DialogWindow::Unload() {
    if (!hwnd_) return;
    const HWND window = hwnd_;
    DestroyWindow(window);
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
void DialogWindow::SetSkipDialog(bool ticked) {
    skipDialog_ = ticked;
    if (hwnd_) InvalidateRect(Control(layout::id::skipDialogCheck), nullptr, FALSE);
}
bool DialogWindow::SkipDialog() const { return skipDialog_; }

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

// The picture check box keeps its own two states, and answers BM_GETCHECK / BM_SETCHECK
// like any check box, so that accessibility tools and tests can read it.
LRESULT CALLBACK DialogWindow::CheckBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    auto* self = reinterpret_cast<DialogWindow*>(ref);
    switch (msg) {
        case BM_GETCHECK: return self->skipDialog_ ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK: self->SetSkipDialog(wp != BST_UNCHECKED); return 0;
        // An owner-drawn button reports a double click instead of its second click;
        // as a press, it toggles the box twice, like two single clicks.
        case WM_LBUTTONDBLCLK: return DefSubclassProc(hwnd, WM_LBUTTONDOWN, wp, lp);
        case WM_NCDESTROY: RemoveWindowSubclass(hwnd, &DialogWindow::CheckBoxProc, 1); break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT DialogWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND: OnCommand(LOWORD(wp), HIWORD(wp)); return 0;
        case WM_ACTIVATE: OnActivate(wp); return 0;
        case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wp));
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<LRESULT>(OnControlColour(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp)));
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
            if (code == BN_CLICKED) SetSkipDialog(!skipDialog_);
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

// The background picture at DPI scale, as a brush for controls that show it through.
HBRUSH DialogWindow::BackgroundBrush() const {
    if (!background_) return nullptr;
    const SIZE size = dpi_.Scale(BitmapSize(background_.get()));
    UniqueGdi<HBITMAP> scaled;
    {
        const WindowDc screen;
        scaled.reset(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
        const MemoryDc dc(screen.get());
        const SelectedObject picture(dc.get(), scaled.get());
        DrawPicture(dc.get(), background_.get(), RECT{0, 0, size.cx, size.cy}, 0);
    }
    return CreatePatternBrush(scaled.get());
}

bool DialogWindow::OnEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    if (background_) {
        const SIZE size = dpi_.Scale(BitmapSize(background_.get()));
        const RECT into{0, 0, size.cx, size.cy};
        DrawPicture(dc, background_.get(), into, 0);
    }
    return true;
}

HBRUSH DialogWindow::OnControlColour(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id == layout::id::gamePathLabel) {
        // The label shows the background picture behind its white text.
        SetTextColor(dc, Colour(layout::kWhite));
        SetBkMode(dc, TRANSPARENT);
        POINT origin{0, 0};
        MapWindowPoints(control, hwnd_, &origin, 1);
        SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
        return backgroundBrush_ ? backgroundBrush_.get() : GetSysColorBrush(COLOR_WINDOW);
    }
    // The path box and the lists' drop-downs: white on dark blue.
    SetTextColor(dc, Colour(layout::kWhite));
    SetBkColor(dc, Colour(layout::kDarkBlue));
    return darkBlue_.get();
}

// A list row is as high as the closed list less its frame (3 pixels above and below).
int DialogWindow::ListRowHeight() const { return Px(layout::ControlWithId(layout::id::resolutionList).height) - 6; }

void DialogWindow::OnMeasureItem(MEASUREITEMSTRUCT& item) { item.itemHeight = static_cast<UINT>(ListRowHeight()); }

void DialogWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    switch (item.CtlType) {
        case ODT_COMBOBOX: DrawListItem(item); break;
        case ODT_BUTTON:
            if (static_cast<int>(item.CtlID) == layout::id::skipDialogCheck)
                DrawCheckBox(item);
            else
                DrawPictureButton(item);
            break;
    }
}

void DialogWindow::DrawListItem(const DRAWITEMSTRUCT& item) {
    const bool inField = item.itemState & ODS_COMBOBOXEDIT;
    const bool highlighted = (item.itemState & ODS_SELECTED) && !inField;
    const COLORREF back = highlighted ? GetSysColor(COLOR_HIGHLIGHT) : Colour(layout::kDarkBlue);
    const UniqueGdi<HBRUSH> brush(CreateSolidBrush(back));
    FillRect(item.hDC, &item.rcItem, brush.get());
    if (item.itemID != static_cast<UINT>(-1)) {
        const auto length = SendMessageW(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0);
        std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
        SendMessageW(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)));
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : Colour(layout::kWhite));
        RECT text_rect = item.rcItem;
        text_rect.left += dpi_.Scale(3);
        DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &text_rect,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    }
    if ((item.itemState & ODS_FOCUS) && inField) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -1, -1);
        SetTextColor(item.hDC, Colour(layout::kWhite));
        DrawFocusRect(item.hDC, &focus);
    }
}

HBITMAP DialogWindow::Picture(layout::Picture picture) const {
    switch (picture) {
        case layout::Picture::Browse: return browse_.get();
        case layout::Picture::Run: return run_.get();
        case layout::Picture::Check: return check_.get();
        case layout::Picture::None: break;
    }
    return nullptr;
}

// Draws a picture at DPI scale, centred in the rectangle and clipped to it; with
// fillWidth, a picture narrower than the rectangle is widened to span it.
void DialogWindow::DrawPicture(HDC dc, HBITMAP bitmap, const RECT& into, int offset, bool fillWidth) const {
    if (!bitmap) return;
    const SIZE size = BitmapSize(bitmap);
    int w = dpi_.Scale(size.cx);
    const int h = dpi_.Scale(size.cy);
    if (fillWidth) w = std::max(w, static_cast<int>(into.right - into.left) + 2);
    const int x = into.left + (into.right - into.left - w) / 2 + offset;
    const int y = into.top + (into.bottom - into.top - h) / 2 + offset;
    const MemoryDc memory(dc);
    const SelectedObject picture(memory.get(), bitmap);
    const SavedDc saved(dc);
    IntersectClipRect(dc, into.left, into.top, into.right, into.bottom);
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, x, y, w, h, memory.get(), 0, 0, size.cx, size.cy, SRCCOPY);
}

void DialogWindow::DrawPictureButton(const DRAWITEMSTRUCT& item) {
    const auto& design = layout::ControlWithId(static_cast<int>(item.CtlID));
    const bool pressed = item.itemState & ODS_SELECTED;
    RECT face = item.rcItem;
    const UniqueGdi<HBRUSH> back(CreateSolidBrush(Colour(design.backColour)));
    FillRect(item.hDC, &face, back.get());
    RECT inner = face;
    InflateRect(&inner, -1, -1);
    DrawPicture(item.hDC, Picture(design.picture), inner, pressed ? 1 : 0);
    DrawEdge(item.hDC, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (item.itemState & ODS_DISABLED) {
        // Inert while the game runs: veil the face.
        const SavedDc saved(item.hDC);
        const UniqueGdi<HBRUSH> veil(CreateHatchBrush(HS_BDIAGONAL, RGB(0, 0, 0)));
        SetBkMode(item.hDC, TRANSPARENT);
        FillRect(item.hDC, &inner, veil.get());
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = face;
        InflateRect(&focus, -3, -3);
        SetTextColor(item.hDC, Colour(layout::kWhite));
        SetBkColor(item.hDC, RGB(0, 0, 0));
        DrawFocusRect(item.hDC, &focus);
    }
}

void DialogWindow::DrawCheckBox(const DRAWITEMSTRUCT& item) {
    const bool ticked = skipDialog_;
    RECT face = item.rcItem;
    DrawPicture(item.hDC, check_.get(), face, ticked ? 1 : 0, true);
    DrawEdge(item.hDC, &face, ticked ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    // A small tick box at the left makes the state plain at a glance.
    const int box = dpi_.Scale(9);
    const int left = face.left + dpi_.Scale(4);  // keep in step with CheckCaptionLeft
    const int top = face.top + (face.bottom - face.top - box) / 2;
    RECT square{left, top, left + box, top + box};
    const UniqueGdi<HBRUSH> white(CreateSolidBrush(Colour(layout::kWhite)));
    FrameRect(item.hDC, &square, white.get());
    if (ticked) {
        const UniqueGdi<HPEN> pen(CreatePen(PS_SOLID, std::max(1, dpi_.Scale(2)), Colour(layout::kWhite)));
        const SelectedObject selected(item.hDC, pen.get());
        MoveToEx(item.hDC, left + box / 5, top + box / 2, nullptr);
        LineTo(item.hDC, left + box / 2 - 1, top + box - box / 4 - 1);
        LineTo(item.hDC, left + box - box / 5, top + box / 5);
    }

    RECT caption = face;
    caption.left = face.left + CheckCaptionLeft();
    if (ticked) OffsetRect(&caption, 1, 1);
    std::wstring text(64, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(item.hwndItem, text.data(), static_cast<int>(text.size()))));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, Colour(layout::kWhite));
    {
        const SelectedObject font(item.hDC, font_.get());
        DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &caption,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT | DT_END_ELLIPSIS);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = face;
        InflateRect(&focus, -2, -2);
        SetBkColor(item.hDC, RGB(0, 0, 0));
        DrawFocusRect(item.hDC, &focus);
    }
}

}  // namespace zarn::win32
