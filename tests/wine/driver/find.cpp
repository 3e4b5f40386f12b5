#include "find.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "win32/gdi.h"
#include "win32/handles.h"

namespace uidriver {

using zarn::win32::MemoryDc;
using zarn::win32::SelectedObject;
using zarn::win32::UniqueGdi;
using zarn::win32::WindowDc;

double timeoutSeconds = 15.0;

namespace {

constexpr wchar_t kBoxCaption[] = L"ZarnRes";
const std::wstring kDialogClass = Widen(layout::kWindowClass);
const std::wstring kDialogCaption = Widen(layout::kCaption);
const std::wstring kFileOpenTitle = Widen(layout::kFileOpenTitle);

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    if (IsWindowVisible(hwnd)) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

// 32x32 pixels (0x00RRGGBB) of a screen rectangle, or of an icon drawn on a
// given background.
std::vector<DWORD> Grab(HDC source, int x, int y, HICON icon, DWORD background) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = 32;
    bi.bmiHeader.biHeight = -32;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const MemoryDc mem(CreateCompatibleDC(nullptr));
    const UniqueGdi<HBITMAP> bmp(CreateDIBSection(mem.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bmp) Fail("cannot make a bitmap to read the screen into");
    const SelectedObject selected(mem.get(), bmp.get());
    if (icon) {
        const UniqueGdi<HBRUSH> brush(
            CreateSolidBrush(RGB(background >> 16, (background >> 8) & 0xFF, background & 0xFF)));
        RECT r{0, 0, 32, 32};
        FillRect(mem.get(), &r, brush.get());
        DrawIconEx(mem.get(), 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    } else {
        BitBlt(mem.get(), 0, 0, 32, 32, source, x, y, SRCCOPY);
    }
    GdiFlush();
    std::vector<DWORD> px(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + 32 * 32);
    for (auto& p : px) p &= 0xFFFFFF;
    return px;
}

long Difference(const std::vector<DWORD>& a, const std::vector<DWORD>& b) {
    long sum = 0;
    for (size_t i = 0; i < a.size(); ++i)
        for (int shift : {0, 8, 16})
            sum += std::labs(static_cast<long>((a[i] >> shift) & 0xFF) - static_cast<long>((b[i] >> shift) & 0xFF));
    return sum;
}

}  // namespace

const std::array<const layout::Control*, layout::kControlCount> kWindowControls = layout::ControlsByTabIndex();

void Fail(const char* fmt, const char* arg) {
    std::printf(("error: " + std::string(fmt) + "\n").c_str(), arg);
    std::fflush(stdout);
    std::exit(1);
}

std::string OneLine(std::wstring_view w) {
    std::string out;
    for (char c : Narrow(w)) {
        if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out;
}

LRESULT Send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG | SMTO_BLOCK, 5000, &result)) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%X", msg);
        Fail("window did not answer message 0x%s", hex);
    }
    return static_cast<LRESULT>(result);
}

std::wstring TextOf(HWND hwnd) {
    std::wstring buf(static_cast<size_t>(Send(hwnd, WM_GETTEXTLENGTH)) + 1, L'\0');
    auto got = Send(hwnd, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()));
    buf.resize(static_cast<size_t>(got));
    return buf;
}

// What a Get...Text(hwnd, buffer, size) call writes, up to 511 characters.
template <typename Get>
std::wstring Asked(HWND hwnd, Get get) {
    wchar_t buf[512];
    const int n = get(hwnd, buf, 512);
    return std::wstring(buf, static_cast<size_t>(n > 0 ? n : 0));
}

std::wstring ClassOf(HWND hwnd) { return Asked(hwnd, GetClassNameW); }

std::wstring CaptionOf(HWND hwnd) { return Asked(hwnd, InternalGetWindowText); }

std::vector<HWND> VisibleTopLevel() {
    std::vector<HWND> all;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    return all;
}

bool IsBox(HWND h) { return ClassOf(h) == L"#32770" && CaptionOf(h) == kBoxCaption; }

std::string BoxText(HWND box) {
    HWND text = GetDlgItem(box, 0xFFFF);
    return text ? OneLine(TextOf(text)) : "<no text control>";
}

bool IsDialog(HWND h) { return ClassOf(h) == kDialogClass && CaptionOf(h) == kDialogCaption; }

bool IsFileOpen(HWND h) { return ClassOf(h) == L"#32770" && CaptionOf(h) == kFileOpenTitle; }

HWND WaitDialog() { return WaitFor(IsDialog, "the setup dialog"); }

std::string NameOf(HWND dialog, HWND child) {
    if (!child) return "<none>";
    if (child == dialog) return "<dialog>";
    // The edit inside a combobox belongs to its parent control.
    HWND parent = GetParent(child);
    if (parent && parent != dialog && GetParent(parent) == dialog) child = parent;
    int childId = GetDlgCtrlID(child);
    if (const layout::Control* c = layout::ControlWithId(childId)) return std::string(c->name);
    return "<id " + std::to_string(childId) + ">";
}

HWND ControlWindow(HWND dialog, const layout::Control& c) {
    HWND h = GetDlgItem(dialog, c.id);
    if (!h) Fail("control %s not found in the dialog", std::string(c.name).c_str());
    return h;
}

HWND ControlWindow(HWND dialog, int controlId) { return ControlWindow(dialog, *layout::ControlWithId(controlId)); }

HWND ControlWindow(HWND dialog, std::string_view name) {
    const layout::Control* c = layout::ControlNamed(name);
    if (!c) Fail("unknown control %s", std::string(name).c_str());
    return ControlWindow(dialog, *c);
}

std::string SelectedRowText(HWND combo) {
    const LRESULT row = Send(combo, CB_GETCURSEL);
    return row == CB_ERR ? "<none>" : Narrow(ComboRow(combo, row));
}

std::wstring ComboRow(HWND combo, LRESULT row) {
    auto len = Send(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(row));
    if (len == CB_ERR) return {};
    std::wstring buf(static_cast<size_t>(len) + 1, L'\0');
    auto got = Send(combo, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buf.data()));
    if (got == CB_ERR) return {};
    buf.resize(static_cast<size_t>(got));
    return buf;
}

HWND FocusIn(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

RECT RectIn(HWND dialog, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string TabOrder(HWND dialog) {
    HWND start = FocusIn(dialog);
    if (!start || start == dialog || !IsChild(dialog, start)) return {};
    HWND top = GetParent(start) == dialog ? start : GetParent(start);
    std::string order;
    HWND cur = top;
    for (int i = 0; i < 20; ++i) {
        order += " " + NameOf(dialog, cur);
        cur = GetNextDlgTabItem(dialog, cur, FALSE);
        if (!cur || cur == top) break;
    }
    return order + " -> " + NameOf(dialog, cur);
}

// Icon handles are per process, so the box's icon is told by its look: the
// pixels on screen are matched against the four standard icons drawn here.
const char* IconName(HWND box) {
    // The icon is a static control: id 20 on Windows, stc1 (0x440) in Wine.
    HWND icon = GetDlgItem(box, 0x14);
    if (!icon) icon = GetDlgItem(box, 0x440);
    if (!icon || !IsWindowVisible(icon) || !Send(icon, STM_GETICON)) return "none";
    SetForegroundWindow(box);
    // The box may not be painted yet when it is first found: look again for
    // up to two seconds until the pixels match one of the icons.
    const char* best = nullptr;
    Within(2.0, [&] {
        RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        RECT r;
        GetWindowRect(icon, &r);
        const std::vector<DWORD> shown = Grab(WindowDc().get(), r.left, r.top, nullptr, 0);
        using Known = std::pair<LPCSTR, const char*>;
        long bestDiff = 32L * 32 * 3 * 40;  // more than this apart is no match
        for (auto [id, name] : {Known{IDI_HAND, "critical"}, Known{IDI_ASTERISK, "information"},
                                Known{IDI_QUESTION, "question"}, Known{IDI_EXCLAMATION, "exclamation"}}) {
            long d = Difference(shown, Grab(nullptr, 0, 0, LoadIconA(nullptr, id), shown[0]));
            if (d < bestDiff) {
                bestDiff = d;
                best = name;
            }
        }
        return best != nullptr;
    });
    return best ? best : "unknown";
}

}  // namespace uidriver
