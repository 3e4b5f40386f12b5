// Acts as a user on ZarnRes's windows, one verb per run, and prints what it
// sees on stdout ("key: value" lines).  Exits 0 on success, 1 when a window
// does not appear in time or a check fails, 2 on bad usage.
//
//   uidriver [-t SECONDS] VERB [ARGS]
//
// The verbs are listed in tests/wine/README.md. The dialog's window class and
// caption, its controls, the file-open box's title and the settings' key and
// names come from the program's own headers, so the driver, the scenarios and
// the program cannot drift apart.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "../set_mode.h"
#include "../utf16.h"
#include "model/settings.h"
#include "setup/layout.h"

namespace {

namespace layout = zarn::layout;
namespace id = zarn::layout::id;
using layout::Kind;

constexpr wchar_t kBoxCaption[] = L"ZarnRes";
const std::wstring kDialogClass = Widen(layout::kWindowClass);
const std::wstring kDialogCaption = Widen(layout::kCaption);
const std::wstring kFileOpenTitle = Widen(layout::kFileOpenTitle);
const std::wstring kSettingsKey = Widen(zarn::kSettingsKeyPath);
constexpr std::string_view kSettingNames[] = {zarn::key::ShowRes, zarn::key::ScreenX, zarn::key::ScreenY,
                                              zarn::key::BitRes, zarn::key::ZarnPath};

double g_timeout_s = 15.0;

[[noreturn]] void fail(const char* fmt, const char* arg = "") {
    std::printf("error: ");
    std::printf(fmt, arg);
    std::printf("\n");
    std::fflush(stdout);
    std::exit(1);
}

// Text printed on one line: line breaks become the two characters "\n".
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

// Messages to another process never block us for long: a hung or busy
// target reads as a failure instead of hanging the test.
LRESULT send(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
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

BOOL CALLBACK collect_window(HWND hwnd, LPARAM lp) {
    if (IsWindowVisible(hwnd)) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
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

template <class Pred>
HWND find_top_level(Pred pred) {
    for (HWND h : visible_top_level())
        if (pred(h)) return h;
    return nullptr;
}

template <class Pred>
HWND wait_for(Pred pred, const char* what) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(g_timeout_s);
    for (;;) {
        if (HWND h = find_top_level(pred)) return h;
        if (std::chrono::steady_clock::now() > deadline) fail("timed out waiting for %s", what);
        Sleep(50);
    }
}

bool is_box(HWND h) { return class_of(h) == L"#32770" && caption_of(h) == kBoxCaption; }

bool is_dialog(HWND h) { return class_of(h) == kDialogClass && caption_of(h) == kDialogCaption; }

bool is_file_open(HWND h) { return class_of(h) == L"#32770" && caption_of(h) == kFileOpenTitle; }

HWND wait_dialog() { return wait_for(is_dialog, "the setup dialog"); }

// The dialog's child windows, by tab index; the file-open box is no window of
// its own.
const auto kWindowControls = layout::ControlsByTabIndex();

const layout::Control* window_control(int control_id) {
    for (const layout::Control* c : kWindowControls)
        if (c->id == control_id) return c;
    return nullptr;
}

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

HWND control(HWND dialog, int control_id) { return control(dialog, layout::ControlWithId(control_id)); }

HWND control(HWND dialog, std::string_view name) {
    const layout::Control* c = layout::ControlNamed(name);
    if (!c || c->kind == Kind::CommonDialog) fail("unknown control %s", std::string(name).c_str());
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

// --- verbs -----------------------------------------------------------------

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
    HDC mem = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    if (icon) {
        HBRUSH brush = CreateSolidBrush(RGB(background >> 16, (background >> 8) & 0xFF, background & 0xFF));
        RECT r{0, 0, 32, 32};
        FillRect(mem, &r, brush);
        DeleteObject(brush);
        DrawIconEx(mem, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    } else {
        BitBlt(mem, 0, 0, 32, 32, source, x, y, SRCCOPY);
    }
    GdiFlush();
    std::vector<DWORD> px(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + 32 * 32);
    for (auto& p : px) p &= 0xFFFFFF;
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    return px;
}

long difference(const std::vector<DWORD>& a, const std::vector<DWORD>& b) {
    long sum = 0;
    for (size_t i = 0; i < a.size(); ++i)
        for (int shift : {0, 8, 16})
            sum += std::labs(static_cast<long>((a[i] >> shift) & 0xFF) - static_cast<long>((b[i] >> shift) & 0xFF));
    return sum;
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
        HDC screen = GetDC(nullptr);
        auto shown = grab(screen, r.left, r.top, nullptr, 0);
        ReleaseDC(nullptr, screen);
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

void send_chord(const std::vector<WORD>& vks);

int verb_msgbox(bool keep) {
    HWND box = wait_for(is_box, "a ZarnRes message box");
    HWND text = GetDlgItem(box, 0xFFFF);
    std::printf("text: %s\n", text ? one_line(text_of(text)).c_str() : "<no text control>");
    std::printf("icon: %s\n", icon_name(box));
    std::vector<std::string> buttons;
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (class_of(c) == L"Button" && IsWindowVisible(c)) buttons.push_back(one_line(text_of(c)));
    std::printf("buttons:");
    for (auto& b : buttons) std::printf(" [%s]", b.c_str());
    std::printf("\n");
    std::fflush(stdout);
    if (keep) return 0;
    HWND ok = GetDlgItem(box, IDOK);
    if (!ok) fail("the box has no OK button");
    // Pressed as the dialog manager would see it; should that press get lost (seen
    // once under Wine, right after a display mode change), the button is clicked,
    // then Enter is typed, before the box counts as stuck.
    for (int attempt = 0; attempt < 3 && IsWindow(box); ++attempt) {
        if (attempt == 0) {
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
        } else if (attempt == 1) {
            std::printf("note: OK did not take at once; clicking the button\n");
            PostMessageW(ok, BM_CLICK, 0, 0);
        } else {
            std::printf("note: typing Enter into the box\n");
            SetForegroundWindow(box);
            send_chord({VK_RETURN});  // the box's default button is OK
        }
        for (int i = 0; i < 60 && IsWindow(box); ++i) Sleep(50);
    }
    if (IsWindow(box) && IsWindowVisible(box)) fail("the box did not close after OK");
    return 0;
}

int verb_nobox(double seconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (HWND box = find_top_level(is_box)) {
            HWND text = GetDlgItem(box, 0xFFFF);
            std::printf("text: %s\n", text ? one_line(text_of(text)).c_str() : "");
            fail("an unexpected message box is shown");
        }
        Sleep(50);
    }
    std::printf("nobox: ok\n");
    return 0;
}

// One control's state as "name: value" lines; what is shown depends on its kind.
void print_state(HWND dlg, const layout::Control& c) {
    const std::string name(c.name);
    HWND h = control(dlg, c);
    switch (c.kind) {
        case Kind::DropDownList: {
            auto sel = send(h, CB_GETCURSEL);
            std::printf("%s: %s\n", name.c_str(), sel == CB_ERR ? "<none>" : Narrow(combo_row(h, sel)).c_str());
            std::printf("%s.index: %ld\n", name.c_str(), static_cast<long>(sel));
            auto count = send(h, CB_GETCOUNT);
            std::printf("%s.rows:", name.c_str());
            for (LRESULT i = 0; i < count; ++i) std::printf("%s%s", i ? "|" : " ", Narrow(combo_row(h, i)).c_str());
            std::printf("\n");
            break;
        }
        case Kind::TextBox: std::printf("%s: %s\n", name.c_str(), one_line(text_of(h)).c_str()); break;
        case Kind::PictureCheckBox:
            std::printf("%s: %ld\n", name.c_str(), static_cast<long>(send(h, BM_GETCHECK)));
            std::printf("%s.text: %s\n", name.c_str(), one_line(text_of(h)).c_str());
            break;
        case Kind::PictureButton:
            std::printf("%s.enabled: %d\n", name.c_str(), IsWindowEnabled(h) ? 1 : 0);
            std::printf("%s.text: %s\n", name.c_str(), one_line(text_of(h)).c_str());
            break;
        case Kind::Label: std::printf("%s.text: %s\n", name.c_str(), one_line(text_of(h)).c_str()); break;
        case Kind::CommonDialog: break;
    }
}

int verb_dialog() {
    HWND dlg = wait_dialog();
    for (const layout::Control* c : kWindowControls) print_state(dlg, *c);
    std::printf("focus: %s\n", name_of(dlg, focus_in(dlg)).c_str());
    return 0;
}

int verb_geometry() {
    HWND dlg = wait_dialog();
    RECT client;
    GetClientRect(dlg, &client);
    std::printf("client: %ldx%ld\n", client.right, client.bottom);
    for (const layout::Control* c : kWindowControls) {
        const std::string name(c->name);
        HWND h = GetDlgItem(dlg, c->id);
        if (!h) {
            std::printf("%s: <missing>\n", name.c_str());
            continue;
        }
        RECT r;
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&r), 2);
        std::printf("%s: %ld,%ld %ldx%ld\n", name.c_str(), r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    HWND start = focus_in(dlg);
    std::printf("taborder:");
    if (start && start != dlg && IsChild(dlg, start)) {
        // Walk from the focused control until the cycle closes.
        HWND top = start;
        if (GetParent(top) != dlg) top = GetParent(top);
        HWND cur = top;
        for (int i = 0; i < 20; ++i) {
            std::printf(" %s", name_of(dlg, cur).c_str());
            cur = GetNextDlgTabItem(dlg, cur, FALSE);
            if (!cur || cur == top) break;
        }
        std::printf(" -> %s", name_of(dlg, cur).c_str());
    }
    std::printf("\n");
    return 0;
}

int verb_select(std::string_view name, int row) {
    HWND dlg = wait_dialog();
    HWND combo = control(dlg, name);
    if (send(combo, CB_SETCURSEL, static_cast<WPARAM>(row)) != row) fail("row not selectable");
    std::printf("%s: %s\n", std::string(name).c_str(), Narrow(combo_row(combo, row)).c_str());
    return 0;
}

int verb_check(int want) {
    HWND dlg = wait_dialog();
    HWND box = control(dlg, id::skipDialogCheck);
    for (int i = 0; i < 3; ++i) {
        if (send(box, BM_GETCHECK) == want) {
            std::printf("skipDialogCheck: %d\n", want);
            return 0;
        }
        PostMessageW(box, BM_CLICK, 0, 0);
        for (int j = 0; j < 20 && send(box, BM_GETCHECK) != want; ++j) Sleep(25);
    }
    fail("skipDialogCheck does not take the state");
}

int verb_settext(std::string_view name, std::string_view text) {
    HWND dlg = wait_dialog();
    std::wstring w = Widen(text);
    send(control(dlg, name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(w.c_str()));
    std::printf("%s: %s\n", std::string(name).c_str(), one_line(text_of(control(dlg, name))).c_str());
    return 0;
}

int verb_click(std::string_view name) {
    HWND dlg = wait_dialog();
    HWND button = control(dlg, name);
    if (!IsWindowEnabled(button)) std::printf("note: %s is disabled\n", std::string(name).c_str());
    // Posted, not sent: the click may start a game run that lasts a while.
    PostMessageW(button, BM_CLICK, 0, 0);
    std::printf("clicked: %s\n", std::string(name).c_str());
    return 0;
}

int verb_clicks(std::string_view name, int count) {
    HWND dlg = wait_dialog();
    HWND target = control(dlg, name);
    SetForegroundWindow(dlg);
    RECT r;
    GetWindowRect(target, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Sleep(100);
    std::vector<INPUT> in(static_cast<size_t>(count) * 2);
    for (size_t i = 0; i < in.size(); ++i) {
        in[i].type = INPUT_MOUSE;
        in[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
    std::printf("clicked %d times: %s\n", count, std::string(name).c_str());
    return 0;
}

// "\uXXXX" escapes to UTF-16 units, so a test can pass text no UTF-8 can hold.
std::wstring unescape(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\\' && i + 5 < text.size() && text[i + 1] == L'u') {
            out.push_back(static_cast<wchar_t>(std::wcstoul(text.substr(i + 2, 4).c_str(), nullptr, 16)));
            i += 5;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

int verb_launch(const std::string& exe, const std::string& args) {
    std::wstring line = L"\"" + Widen(exe) + L"\" " + unescape(Widen(args));
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        fail("cannot start the program");
    std::printf("launched: %lu\n", pi.dwProcessId);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 0;
}

std::optional<std::vector<WORD>> key_chord(std::string_view key) {
    std::vector<WORD> vks;
    auto plus = key.find('+');
    while (plus != std::string_view::npos) {
        std::string_view mod = key.substr(0, plus);
        if (mod == "shift")
            vks.push_back(VK_SHIFT);
        else if (mod == "alt")
            vks.push_back(VK_MENU);
        else if (mod == "ctrl")
            vks.push_back(VK_CONTROL);
        else
            return std::nullopt;
        key.remove_prefix(plus + 1);
        plus = key.find('+');
    }
    struct Named {
        const char* name;
        WORD vk;
    };
    static constexpr Named named[] = {{"tab", VK_TAB},   {"enter", VK_RETURN}, {"space", VK_SPACE},
                                      {"down", VK_DOWN}, {"up", VK_UP},        {"esc", VK_ESCAPE},
                                      {"f4", VK_F4},     {"home", VK_HOME},    {"end", VK_END}};
    for (auto n : named)
        if (key == n.name) {
            vks.push_back(n.vk);
            return vks;
        }
    if (key.size() == 1 && std::isalnum(static_cast<unsigned char>(key[0]))) {
        vks.push_back(static_cast<WORD>(std::toupper(static_cast<unsigned char>(key[0]))));
        return vks;
    }
    return std::nullopt;
}

void send_chord(const std::vector<WORD>& vks) {
    std::vector<INPUT> in;
    for (WORD vk : vks) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        in.push_back(i);
    }
    for (auto it = vks.rbegin(); it != vks.rend(); ++it) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = *it;
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        in.push_back(i);
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

int verb_keys(const std::vector<std::string>& keys) {
    HWND dlg = wait_dialog();
    SetForegroundWindow(dlg);
    for (int i = 0; i < 40 && GetForegroundWindow() != dlg; ++i) Sleep(25);
    if (GetForegroundWindow() != dlg) fail("could not bring the dialog to the foreground");
    for (const auto& k : keys) {
        auto chord = key_chord(k);
        if (!chord) fail("unknown key %s", k.c_str());
        send_chord(*chord);
        Sleep(60);
    }
    // Let the dialog handle the input before anyone looks at it.
    if (IsWindow(dlg)) {
        DWORD_PTR r;
        SendMessageTimeoutW(dlg, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &r);
    }
    std::printf("keys: sent %zu\n", keys.size());
    return 0;
}

int verb_focus() {
    HWND dlg = wait_dialog();
    std::printf("focus: %s\n", name_of(dlg, focus_in(dlg)).c_str());
    return 0;
}

int verb_close() {
    HWND dlg = wait_dialog();
    PostMessageW(dlg, WM_CLOSE, 0, 0);
    std::printf("close: posted\n");
    return 0;
}

int verb_gone(double seconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (!find_top_level([](HWND h) { return is_dialog(h) || is_box(h); })) {
            std::printf("gone: ok\n");
            return 0;
        }
        Sleep(50);
    }
    fail("a ZarnRes window is still shown");
}

// The file name field: a combobox (id 0x47c) in the explorer-style box, an
// edit (id 0x480) in the old style.
HWND file_name_field(HWND box) {
    if (HWND c = GetDlgItem(box, 0x47c)) return c;
    return GetDlgItem(box, 0x480);
}

int verb_fileopen(bool keep, bool cancel, const std::wstring& name) {
    HWND box = wait_for(is_file_open, "the file-open box");
    std::printf("title: %s\n", Narrow(caption_of(box)).c_str());
    // "Look in" list (0x471) and file type list (0x470).
    if (HWND look = GetDlgItem(box, 0x471)) {
        auto sel = send(look, CB_GETCURSEL);
        std::printf("lookin: %s\n", sel == CB_ERR ? "<none>" : Narrow(combo_row(look, sel)).c_str());
    }
    if (HWND types = GetDlgItem(box, 0x470)) {
        auto sel = send(types, CB_GETCURSEL);
        std::printf("filter: %s\n", sel == CB_ERR ? "<none>" : Narrow(combo_row(types, sel)).c_str());
    }
    // The file list (a list view inside the shell view) names what is shown.
    if (HWND view = FindWindowExW(box, nullptr, L"SHELLDLL_DefView", nullptr)) {
        if (HWND list = FindWindowExW(view, nullptr, L"SysListView32", nullptr))
            std::printf("items: %ld\n", static_cast<long>(send(list, 0x1004 /* LVM_GETITEMCOUNT */)));
    }
    std::fflush(stdout);
    if (keep) return 0;
    if (cancel) {
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, IDCANCEL)));
    } else {
        HWND field = file_name_field(box);
        if (!field) fail("the file-open box has no file name field");
        send(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    }
    for (int i = 0; i < 100 && IsWindow(box) && IsWindowVisible(box); ++i) Sleep(50);
    if (IsWindow(box) && IsWindowVisible(box)) fail("the file-open box is still open");
    std::printf("fileopen: closed\n");
    return 0;
}

int verb_mode() {
    DEVMODEA cur{};
    cur.dmSize = sizeof cur;
    if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &cur)) fail("no current display mode");
    // Wine reports 32 bpp as the current depth to every process but the one
    // that switched; the copy kept by CDS_UPDATEREGISTRY has the real depth.
    DEVMODEA reg{};
    reg.dmSize = sizeof reg;
    DWORD bpp = cur.dmBitsPerPel;
    if (EnumDisplaySettingsA(nullptr, ENUM_REGISTRY_SETTINGS, &reg)) bpp = reg.dmBitsPerPel;
    std::printf("mode: %lux%lux%lu\n", cur.dmPelsWidth, cur.dmPelsHeight, bpp);
    return 0;
}

int verb_setmode(const char* mode) {
    LONG r = SetModeFromText(Widen(mode).c_str());
    std::printf("setmode: %ld\n", r);
    return r == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}

// A misspelt name would store or read a value the program never looks at, and
// a scenario would check nothing; only the program's own names are taken.
void check_setting_name(const std::string& name) {
    if (std::find(std::begin(kSettingNames), std::end(kSettingNames), name) == std::end(kSettingNames))
        fail("unknown setting %s", name.c_str());
}

int verb_reg(const std::vector<std::string>& args) {
    if (args.empty()) fail("reg needs get, set, del or clear");
    const std::string& op = args[0];
    if (op == "get") {
        std::vector<std::string> names(args.begin() + 1, args.end());
        if (names.empty()) names.assign(std::begin(kSettingNames), std::end(kSettingNames));
        for (const auto& n : names) check_setting_name(n);
        HKEY key = nullptr;
        LONG opened = RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey.c_str(), 0, KEY_QUERY_VALUE, &key);
        for (const auto& n : names) {
            std::string shown = "<absent>";
            if (opened == ERROR_SUCCESS) {
                wchar_t buf[2048];
                DWORD type = 0, size = sizeof buf - sizeof(wchar_t);
                if (RegQueryValueExW(key, Widen(n).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) ==
                    ERROR_SUCCESS) {
                    buf[size / sizeof(wchar_t)] = 0;
                    std::wstring v(buf);
                    shown = type == REG_SZ ? "\"" + Narrow(v) + "\"" : "<type " + std::to_string(type) + ">";
                }
            }
            std::printf("%s=%s\n", n.c_str(), shown.c_str());
        }
        if (key) RegCloseKey(key);
        return 0;
    }
    if (op == "clear") {
        LONG r = RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey.c_str());
        if (r != ERROR_SUCCESS && r != ERROR_FILE_NOT_FOUND)
            fail("cannot delete the settings key (error %s)", std::to_string(r).c_str());
        std::printf("clear: ok\n");
        return 0;
    }
    if (args.size() < 2) fail("reg %s needs a name", op.c_str());
    if (op == "set" && args.size() % 2 != 1) fail("reg set needs name and value pairs");
    for (size_t i = 1; i < args.size(); i += op == "set" ? 2 : 1) check_setting_name(args[i]);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        fail("cannot open the settings key");
    LONG r;
    if (op == "set") {
        r = ERROR_SUCCESS;
        for (size_t i = 1; i + 1 < args.size() && r == ERROR_SUCCESS; i += 2) {
            std::wstring v = Widen(args[i + 1]);
            r = RegSetValueExW(key, Widen(args[i]).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(v.c_str()),
                               static_cast<DWORD>((v.size() + 1) * sizeof(wchar_t)));
        }
    } else if (op == "del") {
        r = RegDeleteValueW(key, Widen(args[1]).c_str());
        if (r == ERROR_FILE_NOT_FOUND) r = ERROR_SUCCESS;
    } else {
        RegCloseKey(key);
        fail("unknown reg operation %s", op.c_str());
    }
    RegCloseKey(key);
    if (r != ERROR_SUCCESS) fail("registry write failed");
    std::printf("%s: ok\n", op.c_str());
    return 0;
}

int verb_names() {
    std::printf("window.class: %s\n", std::string(layout::kWindowClass).c_str());
    std::printf("window.caption: %s\n", std::string(layout::kCaption).c_str());
    std::printf("fileopen.title: %s\n", std::string(layout::kFileOpenTitle).c_str());
    std::printf("settings.key: %s\n", std::string(zarn::kSettingsKeyPath).c_str());
    std::printf("settings:");
    for (std::string_view n : kSettingNames) std::printf(" %s", std::string(n).c_str());
    std::printf("\ncontrols:");
    for (const layout::Control* c : kWindowControls) std::printf(" %s", std::string(c->name).c_str());
    std::printf("\n");
    return 0;
}

int verb_hold(double seconds) {
    // Touching the desktop window makes Wine start the virtual desktop; a
    // hidden window of ours keeps it in use.
    GetDesktopWindow();
    HWND keeper = CreateWindowW(L"STATIC", L"uidriver hold", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    std::printf("hold: %s\n", keeper ? "ok" : "no window");
    std::fflush(stdout);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 200, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return 0;
            DispatchMessageW(&msg);
        }
    }
    return 0;
}

[[noreturn]] void usage() {
    std::printf("usage: uidriver [-t SECONDS] VERB [ARGS]  (verbs: see tests/wine/README.md)\n");
    std::exit(2);
}

}  // namespace

int main() {
    // Arguments come as UTF-8 from the wide command line.
    int argc = 0;
    LPWSTR* wargv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(Narrow(wargv[i]));
    LocalFree(wargv);

    size_t at = 0;
    if (args.size() >= 2 && args[0] == "-t") {
        g_timeout_s = std::atof(args[1].c_str());
        at = 2;
    }
    if (at >= args.size()) usage();
    const std::string verb = args[at];
    std::vector<std::string> rest(args.begin() + static_cast<long>(at) + 1, args.end());
    auto arg = [&](size_t i) -> const std::string& {
        if (i >= rest.size()) usage();
        return rest[i];
    };

    int rc;
    if (verb == "msgbox")
        rc = verb_msgbox(!rest.empty() && rest[0] == "--keep");
    else if (verb == "nobox")
        rc = verb_nobox(rest.empty() ? 1.0 : std::atof(rest[0].c_str()));
    else if (verb == "dialog")
        rc = verb_dialog();
    else if (verb == "geometry")
        rc = verb_geometry();
    else if (verb == "select")
        rc = verb_select(arg(0), std::atoi(arg(1).c_str()));
    else if (verb == "check")
        rc = verb_check(std::atoi(arg(0).c_str()));
    else if (verb == "settext")
        rc = verb_settext(arg(0), arg(1));
    else if (verb == "click")
        rc = verb_click(arg(0));
    else if (verb == "clicks")
        rc = verb_clicks(arg(0), std::atoi(arg(1).c_str()));
    else if (verb == "launch")
        rc = verb_launch(arg(0), arg(1));
    else if (verb == "keys")
        rc = verb_keys(rest);
    else if (verb == "focus")
        rc = verb_focus();
    else if (verb == "close")
        rc = verb_close();
    else if (verb == "gone")
        rc = verb_gone(rest.empty() ? g_timeout_s : std::atof(rest[0].c_str()));
    else if (verb == "fileopen") {
        bool keep = false, cancel = false;
        std::wstring name;
        for (size_t i = 0; i < rest.size(); ++i) {
            if (rest[i] == "--keep")
                keep = true;
            else if (rest[i] == "--cancel")
                cancel = true;
            else if (rest[i] == "--name" && i + 1 < rest.size())
                name = Widen(rest[++i]);
            else
                usage();
        }
        rc = verb_fileopen(keep, cancel, name);
    } else if (verb == "mode")
        rc = verb_mode();
    else if (verb == "setmode")
        rc = verb_setmode(arg(0).c_str());
    else if (verb == "reg")
        rc = verb_reg(rest);
    else if (verb == "hold")
        rc = verb_hold(std::atof(arg(0).c_str()));
    else if (verb == "names")
        rc = verb_names();
    else
        usage();
    std::fflush(stdout);
    return rc;
}
