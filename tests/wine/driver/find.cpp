#include "find.h"

#include <cstdio>
#include <cstdlib>

#include "win32/gdi.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace uidriver {

using zarn::win32::MemoryDc;
using zarn::win32::Narrow;
using zarn::win32::SelectedObject;
using zarn::win32::UniqueGdi;
using zarn::win32::Widen;
using zarn::win32::WindowDc;

double g_timeout_s = 15.0;

namespace {

constexpr wchar_t kBoxCaption[] = L"ZarnRes";
const std::wstring kDialogClass = Widen(layout::kWindowClass);
const std::wstring kDialogCaption = Widen(layout::kCaption);
const std::wstring kFileOpenTitle = Widen(layout::kFileOpenTitle);

BOOL CALLBACK collect_window(HWND hwnd, LPARAM lp) {
    if (IsWindowVisible(hwnd)) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

const layout::Control* window_control(int control_id) {
    for (const layout::Control* c : kWindowControls)
        if (c->id == control_id) return c;
    return nullptr;
}

// 32x32 pixels (0x00RRGGBB) of a screen rectangle, or of an icon drawn on a
// given background.
std::vector<DWORD> grab(HDC source, int x, int y, HICON icon, DWORD background) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = 32;
    bi.bmiHeader.biHeight = -32;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const MemoryDc mem(nullptr);
    const UniqueGdi<HBITMAP> bmp(CreateDIBSection(mem.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bmp) fail("cannot make a bitmap to read the screen into");
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

long difference(const std::vector<DWORD>& a, const std::vector<DWORD>& b) {
    long sum = 0;
    for (size_t i = 0; i < a.size(); ++i)
        for (int shift : {0, 8, 16})
            sum += std::labs(static_cast<long>((a[i] >> shift) & 0xFF) - static_cast<long>((b[i] >> shift) & 0xFF));
    return sum;
}

}  // namespace

const std::array<const layout::Control*, layout::kWindowControlCount> kWindowControls = layout::ControlsByTabIndex();

void fail(const char* fmt, const char* arg) {
    std::printf("error: ");
    std::printf(fmt, arg);
    std::printf("\n");
    std::fflush(stdout);
    std::exit(1);
}

std::string one_line(std::wstring_view w) {
    std::string out;
    for (char c : Narrow(w)) {
        if (c == '\r') continue;
        if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

LRESULT send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG | SMTO_BLOCK, 5000, &result)) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%X", msg);
        fail("window did not answer message 0x%s", hex);
    }
    return static_cast<LRESULT>(result);
}

std::wstring text_of(HWND hwnd) {
    auto len = send(hwnd, WM_GETTEXTLENGTH);
    std::wstring buf(static_cast<size_t>(len) + 1, L'\0');
    auto got = send(hwnd, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()));
    buf.resize(static_cast<size_t>(got));
    return buf;
}

std::wstring class_of(HWND hwnd) {
    wchar_t buf[256];
    int n = GetClassNameW(hwnd, buf, 256);
    return std::wstring(buf, static_cast<size_t>(n > 0 ? n : 0));
}

std::wstring caption_of(HWND hwnd) {
    wchar_t buf[512];
    int n = InternalGetWindowText(hwnd, buf, 512);
    return std::wstring(buf, static_cast<size_t>(n > 0 ? n : 0));
}

std::vector<HWND> visible_top_level() {
    std::vector<HWND> all;
    EnumWindows(collect_window, reinterpret_cast<LPARAM>(&all));
    return all;
}

bool is_box(HWND h) { return class_of(h) == L"#32770" && caption_of(h) == kBoxCaption; }

bool is_dialog(HWND h) { return class_of(h) == kDialogClass && caption_of(h) == kDialogCaption; }

bool is_file_open(HWND h) { return class_of(h) == L"#32770" && caption_of(h) == kFileOpenTitle; }

HWND wait_dialog() { return wait_for(is_dialog, "the setup dialog"); }

std::string name_of(HWND dialog, HWND child) {
    if (!child) return "<none>";
    if (child == dialog) return "<dialog>";
    // The edit inside a combobox belongs to its parent control.
    HWND parent = GetParent(child);
    if (parent && parent != dialog && GetParent(parent) == dialog) child = parent;
    int child_id = GetDlgCtrlID(child);
    if (const layout::Control* c = window_control(child_id)) return std::string(c->name);
    return "<id " + std::to_string(child_id) + ">";
}

HWND control(HWND dialog, const layout::Control& c) {
    HWND h = GetDlgItem(dialog, c.id);
    if (!h) fail("control %s not found in the dialog", std::string(c.name).c_str());
    return h;
}

HWND control(HWND dialog, int control_id) { return control(dialog, *layout::ControlWithId(control_id)); }

HWND control(HWND dialog, std::string_view name) {
    const layout::Control* c = layout::ControlNamed(name);
    if (!c || c->kind == layout::Kind::CommonDialog) fail("unknown control %s", std::string(name).c_str());
    return control(dialog, *c);
}

std::wstring combo_row(HWND combo, LRESULT row) {
    auto len = send(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(row));
    if (len == CB_ERR) return {};
    std::wstring buf(static_cast<size_t>(len) + 1, L'\0');
    auto got = send(combo, CB_GETLBTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(buf.data()));
    if (got == CB_ERR) return {};
    buf.resize(static_cast<size_t>(got));
    return buf;
}

HWND focus_in(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

RECT rect_in(HWND dialog, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string tab_order(HWND dialog) {
    HWND start = focus_in(dialog);
    if (!start || start == dialog || !IsChild(dialog, start)) return {};
    // Walk from the focused control until the cycle closes.
    HWND top = start;
    if (GetParent(top) != dialog) top = GetParent(top);
    std::string order;
    HWND cur = top;
    for (int i = 0; i < 20; ++i) {
        order += " " + name_of(dialog, cur);
        cur = GetNextDlgTabItem(dialog, cur, FALSE);
        if (!cur || cur == top) break;
    }
    return order + " -> " + name_of(dialog, cur);
}

// Icon handles are per process, so the box's icon is told by its look: the
// pixels on screen are matched against the four standard icons drawn here.
const char* icon_name(HWND box) {
    // The icon is a static control: id 20 on Windows, stc1 (0x440) in Wine.
    HWND icon = GetDlgItem(box, 0x14);
    if (!icon) icon = GetDlgItem(box, 0x440);
    if (!icon || !IsWindowVisible(icon) || !send(icon, STM_GETICON)) return "none";
    SetForegroundWindow(box);
    // The box may not be painted yet when it is first found: look again for
    // up to two seconds until the pixels match one of the icons.
    for (int attempt = 0; attempt < 20; ++attempt) {
        RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        Sleep(100);
        RECT r;
        GetWindowRect(icon, &r);
        std::vector<DWORD> shown;
        {
            const WindowDc screen;
            shown = grab(screen.get(), r.left, r.top, nullptr, 0);
        }
        struct Known {
            LPCSTR id;
            const char* name;
        };
        const char* best = nullptr;
        long best_diff = 32L * 32 * 3 * 40;  // more than this apart is no match
        for (Known k : {Known{IDI_HAND, "critical"}, Known{IDI_ASTERISK, "information"},
                        Known{IDI_QUESTION, "question"}, Known{IDI_EXCLAMATION, "exclamation"}}) {
            long d = difference(shown, grab(nullptr, 0, 0, LoadIconA(nullptr, k.id), shown[0]));
            if (d < best_diff) {
                best_diff = d;
                best = k.name;
            }
        }
        if (best) return best;
    }
    return "unknown";
}

}  // namespace uidriver
