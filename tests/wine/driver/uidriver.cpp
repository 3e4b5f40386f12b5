// Acts as a user on ZarnRes's windows, one verb per run, and prints what it
// sees on stdout ("key: value" lines). Exits 0 on success, 1 when a window
// does not appear in time or a check fails, 2 on bad usage.
//
//   uidriver [-t SECONDS] VERB [ARGS]
//
// Without a verb it prints the verbs (kVerbs below). The dialog's window class
// and caption, its controls, the file-open box's title and the settings' key and
// names come from the program's own headers, so the driver, the scenarios and
// the program cannot drift apart.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <string_view>
#include <vector>

#include "../set_mode.h"
#include "find.h"
#include "input.h"
#include "model/settings.h"
#include "setup/layout.h"
#include "win32/dpi.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace uidriver {
namespace {

namespace id = zarn::layout::id;
using layout::Kind;
using zarn::win32::Narrow;
using zarn::win32::Widen;
using Args = std::vector<std::string>;

const std::wstring kSettingsKey = Widen(zarn::kSettingsKeyPath);
constexpr std::string_view kSettingNames[] = {zarn::key::kShowRes, zarn::key::kScreenX, zarn::key::kScreenY,
                                              zarn::key::kBitRes, zarn::key::kZarnPath};

[[noreturn]] void usage();

// The verb's I-th argument; a missing one is bad usage.
const std::string& arg(const Args& args, size_t i) {
    if (i >= args.size()) usage();
    return args[i];
}

double seconds_or(const Args& args, double otherwise) {
    return args.empty() ? otherwise : std::atof(args[0].c_str());
}

int verb_msgbox(const Args& args) {
    const bool keep = !args.empty() && args[0] == "--keep";
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

int verb_nobox(const Args& args) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds_or(args, 1.0));
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

int verb_dialog(const Args&) {
    HWND dlg = wait_dialog();
    for (const layout::Control* c : kWindowControls) print_state(dlg, *c);
    std::printf("focus: %s\n", name_of(dlg, focus_in(dlg)).c_str());
    return 0;
}

std::string rect_text(int left, int top, int width, int height) {
    return std::to_string(left) + "," + std::to_string(top) + " " + std::to_string(width) + "x" +
           std::to_string(height);
}

// The dialog against its design table, in pixels at the screen's DPI as the dialog
// converts it: the client size and each control's place and size must match, except
// that the label and the check box may grow to the right, within the client area, so
// their captions are never cut.
int verb_layout(const Args&) {
    // Real pixels and the real DPI: a DPI-unaware caller would be shown both scaled to 96.
    SetProcessDPIAware();
    HWND dlg = wait_dialog();
    const zarn::win32::Dpi dpi = zarn::win32::Dpi::OfScreen();
    std::vector<std::string> wrong;
    RECT client;
    GetClientRect(dlg, &client);
    const int client_w = dpi.FromTwips(layout::kClientWidth), client_h = dpi.FromTwips(layout::kClientHeight);
    std::printf("dpi: %d\n", dpi.value());
    std::printf("client: %ldx%ld\n", client.right, client.bottom);
    if (client.right != client_w || client.bottom != client_h)
        wrong.push_back("client " + std::to_string(client.right) + "x" + std::to_string(client.bottom) +
                        ", designed " + std::to_string(client_w) + "x" + std::to_string(client_h));
    for (const layout::Control* c : kWindowControls) {
        const std::string name(c->name);
        HWND h = GetDlgItem(dlg, c->id);
        if (!h) {
            std::printf("%s: <missing>\n", name.c_str());
            wrong.push_back(name + " missing");
            continue;
        }
        const RECT r = rect_in(dlg, h);
        const int width = r.right - r.left, height = r.bottom - r.top;
        const int want_left = dpi.FromTwips(c->left), want_top = dpi.FromTwips(c->top);
        const int want_width = dpi.FromTwips(c->width), want_height = dpi.FromTwips(c->height);
        const bool may_grow = c->kind == Kind::Label || c->kind == Kind::PictureCheckBox;
        const bool width_ok = may_grow ? width >= want_width && r.right <= client_w : width == want_width;
        const std::string got = rect_text(r.left, r.top, width, height);
        std::printf("%s: %s\n", name.c_str(), got.c_str());
        if (r.left != want_left || r.top != want_top || height != want_height || !width_ok)
            wrong.push_back(name + " at " + got + ", designed " +
                            rect_text(want_left, want_top, want_width, want_height) + (may_grow ? " or wider" : ""));
    }
    std::printf("taborder:%s\n", tab_order(dlg).c_str());
    if (wrong.empty()) {
        std::printf("layout: ok\n");
        return 0;
    }
    std::string verdict;
    for (const auto& w : wrong) verdict += (verdict.empty() ? "" : "; ") + w;
    std::printf("layout: wrong: %s\n", verdict.c_str());
    return 1;
}

int verb_select(const Args& args) {
    const std::string& name = arg(args, 0);
    const int row = std::atoi(arg(args, 1).c_str());
    HWND dlg = wait_dialog();
    HWND combo = control(dlg, name);
    if (send(combo, CB_SETCURSEL, static_cast<WPARAM>(row)) != row) fail("row not selectable");
    std::printf("%s: %s\n", name.c_str(), Narrow(combo_row(combo, row)).c_str());
    return 0;
}

int verb_check(const Args& args) {
    const int want = std::atoi(arg(args, 0).c_str());
    HWND dlg = wait_dialog();
    HWND box = control(dlg, id::kSkipDialogCheck);
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

int verb_settext(const Args& args) {
    const std::string& name = arg(args, 0);
    const std::wstring w = Widen(arg(args, 1));
    HWND dlg = wait_dialog();
    send(control(dlg, name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(w.c_str()));
    std::printf("%s: %s\n", name.c_str(), one_line(text_of(control(dlg, name))).c_str());
    return 0;
}

int verb_click(const Args& args) {
    const std::string& name = arg(args, 0);
    HWND dlg = wait_dialog();
    HWND button = control(dlg, name);
    if (!IsWindowEnabled(button)) std::printf("note: %s is disabled\n", name.c_str());
    // Posted, not sent: the click may start a game run that lasts a while.
    PostMessageW(button, BM_CLICK, 0, 0);
    std::printf("clicked: %s\n", name.c_str());
    return 0;
}

int verb_clicks(const Args& args) {
    const std::string& name = arg(args, 0);
    const int count = std::atoi(arg(args, 1).c_str());
    HWND dlg = wait_dialog();
    mouse_clicks(dlg, control(dlg, name), count);
    std::printf("clicked %d times: %s\n", count, name.c_str());
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

int verb_launch(const Args& args) {
    std::wstring line = L"\"" + Widen(arg(args, 0)) + L"\" " + unescape(Widen(arg(args, 1)));
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        fail("cannot start the program");
    const zarn::win32::UniqueHandle process(pi.hProcess), thread(pi.hThread);
    std::printf("launched: %lu\n", pi.dwProcessId);
    return 0;
}

int verb_keys(const Args& args) {
    type_keys(wait_dialog(), args);
    std::printf("keys: sent %zu\n", args.size());
    return 0;
}

int verb_focus(const Args&) {
    HWND dlg = wait_dialog();
    std::printf("focus: %s\n", name_of(dlg, focus_in(dlg)).c_str());
    return 0;
}

int verb_close(const Args&) {
    PostMessageW(wait_dialog(), WM_CLOSE, 0, 0);
    std::printf("close: posted\n");
    return 0;
}

int verb_gone(const Args& args) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds_or(args, g_timeout_s));
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

int verb_fileopen(const Args& args) {
    bool keep = false, cancel = false;
    std::wstring name;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--keep")
            keep = true;
        else if (args[i] == "--cancel")
            cancel = true;
        else if (args[i] == "--name" && i + 1 < args.size())
            name = Widen(args[++i]);
        else
            usage();
    }
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

int verb_mode(const Args&) {
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

int verb_setmode(const Args& args) {
    LONG r = SetModeFromText(Widen(arg(args, 0)).c_str());
    std::printf("setmode: %ld\n", r);
    return r == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}

// A misspelt name would store or read a value the program never looks at, and
// a scenario would check nothing; only the program's own names are taken.
void check_setting_name(const std::string& name) {
    if (std::find(std::begin(kSettingNames), std::end(kSettingNames), name) == std::end(kSettingNames))
        fail("unknown setting %s", name.c_str());
}

int reg_get(const Args& args) {
    Args names(args.begin() + 1, args.end());
    if (names.empty()) names.assign(std::begin(kSettingNames), std::end(kSettingNames));
    for (const auto& n : names) check_setting_name(n);
    HKEY opened = nullptr;
    const bool present = RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey.c_str(), 0, KEY_QUERY_VALUE, &opened) ==
                         ERROR_SUCCESS;
    const zarn::win32::UniqueKey key(present ? opened : nullptr);
    for (const auto& n : names) {
        std::string shown = "<absent>";
        if (key) {
            wchar_t buf[2048];
            DWORD type = 0, size = sizeof buf - sizeof(wchar_t);
            if (RegQueryValueExW(key.get(), Widen(n).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) ==
                ERROR_SUCCESS) {
                buf[size / sizeof(wchar_t)] = 0;
                std::wstring v(buf);
                shown = type == REG_SZ ? "\"" + Narrow(v) + "\"" : "<type " + std::to_string(type) + ">";
            }
        }
        std::printf("%s=%s\n", n.c_str(), shown.c_str());
    }
    return 0;
}

int verb_reg(const Args& args) {
    if (args.empty()) fail("reg needs get, set, del or clear");
    const std::string& op = args[0];
    if (op == "get") return reg_get(args);
    if (op == "clear") {
        LONG r = RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey.c_str());
        if (r != ERROR_SUCCESS && r != ERROR_FILE_NOT_FOUND)
            fail("cannot delete the settings key (error %s)", std::to_string(r).c_str());
        std::printf("clear: ok\n");
        return 0;
    }
    if (op != "set" && op != "del") fail("unknown reg operation %s", op.c_str());
    if (args.size() < 2) fail("reg %s needs a name", op.c_str());
    if (op == "set" && args.size() % 2 != 1) fail("reg set needs name and value pairs");
    for (size_t i = 1; i < args.size(); i += op == "set" ? 2 : 1) check_setting_name(args[i]);
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created,
                        nullptr) != ERROR_SUCCESS)
        fail("cannot open the settings key");
    const zarn::win32::UniqueKey key(created);
    LONG r = ERROR_SUCCESS;
    if (op == "set") {
        for (size_t i = 1; i + 1 < args.size() && r == ERROR_SUCCESS; i += 2) {
            std::wstring v = Widen(args[i + 1]);
            r = RegSetValueExW(key.get(), Widen(args[i]).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(v.c_str()),
                               static_cast<DWORD>((v.size() + 1) * sizeof(wchar_t)));
        }
    } else {
        r = RegDeleteValueW(key.get(), Widen(args[1]).c_str());
        if (r == ERROR_FILE_NOT_FOUND) r = ERROR_SUCCESS;
    }
    if (r != ERROR_SUCCESS) fail("registry write failed");
    std::printf("%s: ok\n", op.c_str());
    return 0;
}

int verb_names(const Args&) {
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

int verb_hold(const Args& args) {
    const double seconds = std::atof(arg(args, 0).c_str());
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

struct Verb {
    std::string_view name;
    std::string_view args;
    std::string_view help;
    int (*run)(const Args&);
};

constexpr Verb kVerbs[] = {
    {"msgbox", "[--keep]", "waits for a ZarnRes message box, prints its text, icon and buttons, presses OK",
     verb_msgbox},
    {"nobox", "[SECONDS]", "fails if a ZarnRes message box shows within SECONDS (1)", verb_nobox},
    {"dialog", "", "waits for the setup dialog, prints each control's state and the focus", verb_dialog},
    {"layout", "", "checks the client size and control rectangles against the design at the screen's DPI",
     verb_layout},
    {"select", "CONTROL ROW", "selects row ROW (from 0) of a list", verb_select},
    {"check", "0|1", "clicks skipDialogCheck until it shows that state", verb_check},
    {"settext", "CONTROL TEXT", "sets a control's text", verb_settext},
    {"click", "CONTROL", "clicks a button (posted, so a long game run does not block)", verb_click},
    {"clicks", "CONTROL N", "N quick clicks with the real mouse (2 make a double click)", verb_clicks},
    {"keys", "KEY...", "types keys into the dialog: tab, shift+tab, enter, space, down, up, esc, alt+f4, home, end, "
                       "a letter",
     verb_keys},
    {"focus", "", "prints which control has the keyboard focus", verb_focus},
    {"close", "", "closes the dialog by its frame", verb_close},
    {"gone", "[SECONDS]", "waits until no window of ZarnRes is left", verb_gone},
    {"fileopen", "[--keep|--cancel|--name NAME]",
     "waits for the file-open box, prints title, folder, filter, item count; leaves, cancels or opens NAME",
     verb_fileopen},
    {"launch", "EXE ARGS", "starts EXE with the command line \"EXE\" ARGS (\\uXXXX: that UTF-16 unit)", verb_launch},
    {"mode", "", "prints the display mode as WxHxB", verb_mode},
    {"setmode", "WxHxB", "switches the display mode (kept in the registry, as a game would)", verb_setmode},
    {"reg", "get [NAME...]|set NAME VALUE...|del NAME|clear", "reads, stores or deletes settings", verb_reg},
    {"hold", "SECONDS", "keeps the Wine desktop up that long", verb_hold},
    {"names", "", "prints the window class, captions, settings key, setting and control names", verb_names},
};

void usage() {
    std::printf("usage: uidriver [-t SECONDS] VERB [ARGS]\n"
                "Prints \"key: value\" lines; exits 0 on success, 1 when a window does not appear within\n"
                "SECONDS (15) or a check fails, 2 on bad usage. CONTROL is a control name:");
    for (const layout::Control* c : kWindowControls) std::printf(" %s", std::string(c->name).c_str());
    std::printf("\n\n");
    for (const Verb& v : kVerbs) {
        const std::string call = std::string(v.name) + (v.args.empty() ? "" : " ") + std::string(v.args);
        if (call.size() > 24)
            std::printf("  %s\n  %-24s %s\n", call.c_str(), "", std::string(v.help).c_str());
        else
            std::printf("  %-24s %s\n", call.c_str(), std::string(v.help).c_str());
    }
    std::fflush(stdout);
    std::exit(2);
}

}  // namespace
}  // namespace uidriver

int main() {
    using namespace uidriver;
    // Arguments come as UTF-8 from the wide command line.
    int argc = 0;
    LPWSTR* wargv = CommandLineToArgvW(GetCommandLineW(), &argc);
    Args args;
    for (int i = 1; i < argc; ++i) args.push_back(Narrow(wargv[i]));
    LocalFree(wargv);

    size_t at = 0;
    if (args.size() >= 2 && args[0] == "-t") {
        g_timeout_s = std::atof(args[1].c_str());
        at = 2;
    }
    if (at >= args.size()) usage();
    const Args rest(args.begin() + static_cast<long>(at) + 1, args.end());
    for (const Verb& v : kVerbs)
        if (v.name == args[at]) {
            const int rc = v.run(rest);
            std::fflush(stdout);
            return rc;
        }
    usage();
}
