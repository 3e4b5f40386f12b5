// Acts as a user on ZarnRes's windows, one verb per run, and prints what it sees;
// run without a verb for its usage and verbs (kVerbs below). What it knows of the
// dialog and the settings comes from the program's own headers, as README.md says.
#include <windows.h>

#include <algorithm>
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

namespace uidriver {
namespace {

namespace id = zarn::layout::id;
using layout::Kind;
using Args = std::vector<std::string>;

const std::wstring kSettingsKey = Widen(zarn::kSettingsKeyPath);
constexpr std::string_view kSettingNames[] = {zarn::key::kShowRes, zarn::key::kScreenX, zarn::key::kScreenY,
                                              zarn::key::kBitRes, zarn::key::kZarnPath};

[[noreturn]] void Usage();

// The verb's I-th argument; a missing one is bad usage.
const std::string& Arg(const Args& args, size_t i) {
    if (i >= args.size()) Usage();
    return args[i];
}

double SecondsOr(const Args& args, double otherwise) { return args.empty() ? otherwise : std::atof(args[0].c_str()); }

// Presses a box's button as the dialog manager would see it.
void Press(HWND box, int button) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

int VerbMsgBox(const Args& args) {
    const bool keep = !args.empty() && args[0] == "--keep";
    HWND box = WaitFor(IsBox, "a ZarnRes message box");
    std::printf("text: %s\n", BoxText(box).c_str());
    std::printf("icon: %s\n", IconName(box));
    std::string buttons;
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (ClassOf(c) == L"Button" && IsWindowVisible(c)) buttons += " [" + OneLine(TextOf(c)) + "]";
    std::printf("buttons:%s\n", buttons.c_str());
    std::fflush(stdout);
    if (keep) return 0;
    HWND ok = GetDlgItem(box, IDOK);
    if (!ok) Fail("the box has no OK button");
    // OK is pressed; should that press get lost (seen once under Wine, right after a display
    // mode change), the button is clicked, then Enter is typed, before the box counts as stuck.
    for (int attempt = 0; attempt < 3 && IsWindow(box); ++attempt) {
        if (attempt == 0) {
            Press(box, IDOK);
        } else if (attempt == 1) {
            std::printf("note: OK did not take at once; clicking the button\n");
            PostMessageW(ok, BM_CLICK, 0, 0);
        } else {
            std::printf("note: typing Enter into the box\n");
            SetForegroundWindow(box);
            SendChord({VK_RETURN});  // the box's default button is OK
        }
        Within(3.0, [&] { return !IsWindow(box); });
    }
    if (IsWindow(box) && IsWindowVisible(box)) Fail("the box did not close after OK");
    return 0;
}

int VerbNoBox(const Args& args) {
    HWND box = nullptr;
    if (Within(SecondsOr(args, 1.0), [&] { return (box = FindTopLevel(IsBox)) != nullptr; })) {
        std::printf("text: %s\n", BoxText(box).c_str());
        Fail("an unexpected message box is shown");
    }
    std::printf("nobox: ok\n");
    return 0;
}

// One control's state as "name: value" lines; what is shown depends on its kind.
void PrintState(HWND dlg, const layout::Control& c) {
    const std::string name(c.name);
    HWND h = ControlWindow(dlg, c);
    switch (c.kind) {
        case Kind::DropDownList: {
            std::printf("%s: %s\n", name.c_str(), SelectedRowText(h).c_str());
            std::printf("%s.index: %ld\n", name.c_str(), static_cast<long>(Send(h, CB_GETCURSEL)));
            auto count = Send(h, CB_GETCOUNT);
            std::printf("%s.rows:", name.c_str());
            for (LRESULT i = 0; i < count; ++i) std::printf("%s%s", i ? "|" : " ", Narrow(ComboRow(h, i)).c_str());
            std::printf("\n");
            return;
        }
        case Kind::TextBox: std::printf("%s: %s\n", name.c_str(), OneLine(TextOf(h)).c_str()); return;
        case Kind::PictureCheckBox:
            std::printf("%s: %ld\n", name.c_str(), static_cast<long>(Send(h, BM_GETCHECK)));
            break;
        case Kind::PictureButton: std::printf("%s.enabled: %d\n", name.c_str(), IsWindowEnabled(h) ? 1 : 0); break;
        case Kind::Label: break;
    }
    // The check box, the buttons and the label end with their caption.
    std::printf("%s.text: %s\n", name.c_str(), OneLine(TextOf(h)).c_str());
}

int VerbDialog(const Args&) {
    HWND dlg = WaitDialog();
    for (const layout::Control* c : kWindowControls) PrintState(dlg, *c);
    std::printf("focus: %s\n", NameOf(dlg, FocusIn(dlg)).c_str());
    return 0;
}

std::string RectText(int left, int top, int width, int height) {
    return std::to_string(left) + "," + std::to_string(top) + " " + std::to_string(width) + "x" +
           std::to_string(height);
}

// Prints a control's place and adds to wrong where it is not the designed one.
void CheckPlace(HWND dlg, const layout::Control& c, const zarn::win32::Dpi& dpi, std::vector<std::string>& wrong) {
    const std::string name(c.name);
    HWND h = GetDlgItem(dlg, c.id);
    if (!h) {
        std::printf("%s: <missing>\n", name.c_str());
        wrong.push_back(name + " missing");
        return;
    }
    const RECT r = RectIn(dlg, h);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const int wantLeft = dpi.FromTwips(c.left), wantTop = dpi.FromTwips(c.top);
    const int wantWidth = dpi.FromTwips(c.width), wantHeight = dpi.FromTwips(c.height);
    const bool mayGrow = c.kind == Kind::Label || c.kind == Kind::PictureCheckBox;
    const bool widthOk =
        mayGrow ? width >= wantWidth && r.right <= dpi.FromTwips(layout::kClientWidth) : width == wantWidth;
    const std::string got = RectText(r.left, r.top, width, height);
    std::printf("%s: %s\n", name.c_str(), got.c_str());
    if (r.left != wantLeft || r.top != wantTop || height != wantHeight || !widthOk)
        wrong.push_back(name + " at " + got + ", designed " + RectText(wantLeft, wantTop, wantWidth, wantHeight) +
                        (mayGrow ? " or wider" : ""));
}

// The dialog against its design table, in pixels at the screen's DPI as the dialog
// converts it: the client size and each control's place and size must match, except
// that the label and the check box may grow to the right, within the client area, so
// their captions are never cut.
int VerbLayout(const Args&) {
    // Real pixels and the real DPI: a DPI-unaware caller would be shown both scaled to 96.
    SetProcessDPIAware();
    HWND dlg = WaitDialog();
    const zarn::win32::Dpi dpi = zarn::win32::Dpi::OfScreen();
    std::vector<std::string> wrong;
    RECT client;
    GetClientRect(dlg, &client);
    const int clientWidth = dpi.FromTwips(layout::kClientWidth), clientHeight = dpi.FromTwips(layout::kClientHeight);
    std::printf("dpi: %d\n", dpi.value());
    std::printf("client: %ldx%ld\n", client.right, client.bottom);
    if (client.right != clientWidth || client.bottom != clientHeight)
        wrong.push_back("client " + std::to_string(client.right) + "x" + std::to_string(client.bottom) + ", designed " +
                        std::to_string(clientWidth) + "x" + std::to_string(clientHeight));
    for (const layout::Control* c : kWindowControls) CheckPlace(dlg, *c, dpi, wrong);
    std::printf("taborder:%s\n", TabOrder(dlg).c_str());
    std::string verdict;
    for (const auto& w : wrong) verdict += (verdict.empty() ? "wrong: " : "; ") + w;
    std::printf("layout: %s\n", wrong.empty() ? "ok" : verdict.c_str());
    return wrong.empty() ? 0 : 1;
}

int VerbSelect(const Args& args) {
    const std::string& name = Arg(args, 0);
    const int row = std::atoi(Arg(args, 1).c_str());
    HWND combo = ControlWindow(WaitDialog(), name);
    if (!IsWindowEnabled(combo)) Fail("%s is disabled", name.c_str());  // no user could change it
    if (Send(combo, CB_SETCURSEL, static_cast<WPARAM>(row)) != row) Fail("row not selectable");
    std::printf("%s: %s\n", name.c_str(), Narrow(ComboRow(combo, row)).c_str());
    return 0;
}

int VerbCheck(const Args& args) {
    const int want = std::atoi(Arg(args, 0).c_str());
    HWND dlg = WaitDialog();
    HWND box = ControlWindow(dlg, id::kSkipDialogCheck);
    for (int i = 0; i < 3; ++i) {
        if (Send(box, BM_GETCHECK) == want) {
            std::printf("skipDialogCheck: %d\n", want);
            return 0;
        }
        PostMessageW(box, BM_CLICK, 0, 0);
        Within(0.5, [&] { return Send(box, BM_GETCHECK) == want; });
    }
    Fail("skipDialogCheck does not take the state");
}

int VerbSetText(const Args& args) {
    const std::string& name = Arg(args, 0);
    const std::wstring w = Widen(Arg(args, 1));
    HWND dlg = WaitDialog();
    if (!IsWindowEnabled(ControlWindow(dlg, name))) Fail("%s is disabled", name.c_str());
    Send(ControlWindow(dlg, name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(w.c_str()));
    std::printf("%s: %s\n", name.c_str(), OneLine(TextOf(ControlWindow(dlg, name))).c_str());
    return 0;
}

int VerbClick(const Args& args) {
    const std::string& name = Arg(args, 0);
    HWND button = ControlWindow(WaitDialog(), name);
    if (!IsWindowEnabled(button)) std::printf("note: %s is disabled\n", name.c_str());
    // Posted, not sent: the click may start a game run that lasts a while.
    PostMessageW(button, BM_CLICK, 0, 0);
    std::printf("clicked: %s\n", name.c_str());
    return 0;
}

int VerbClicks(const Args& args) {
    const std::string& name = Arg(args, 0);
    const int count = std::atoi(Arg(args, 1).c_str());
    HWND dlg = WaitDialog();
    MouseClicks(dlg, ControlWindow(dlg, name), count);
    std::printf("clicked %d times: %s\n", count, name.c_str());
    return 0;
}

// "\uXXXX" escapes to UTF-16 units, so a test can pass text no UTF-8 can hold.
std::wstring Unescape(const std::wstring& text) {
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

int VerbLaunch(const Args& args) {
    std::wstring line = L"\"" + Widen(Arg(args, 0)) + L"\" " + Unescape(Widen(Arg(args, 1)));
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        Fail("cannot start the program");
    const zarn::win32::UniqueHandle process(pi.hProcess), thread(pi.hThread);
    std::printf("launched: %lu\n", pi.dwProcessId);
    return 0;
}

int VerbKeys(const Args& args) {
    TypeKeys(WaitDialog(), args);
    std::printf("keys: sent %zu\n", args.size());
    return 0;
}

int VerbFocus(const Args&) {
    HWND dlg = WaitDialog();
    std::printf("focus: %s\n", NameOf(dlg, FocusIn(dlg)).c_str());
    return 0;
}

int VerbClose(const Args& args) {
    const HWND dialog = WaitDialog();
    if (args.empty()) {
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        std::printf("close: posted\n");
        return 0;
    }
    if (args[0] != "--send") Usage();
    if (!SendMessageTimeoutW(dialog, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, static_cast<UINT>(timeoutSeconds * 1000),
                             nullptr))
        Fail("the dialog did not answer the close in time");
    std::printf("close: sent\n");
    return 0;
}

int VerbGone(const Args& args) {
    const auto shown = [](HWND h) { return IsDialog(h) || IsBox(h); };
    if (!Within(SecondsOr(args, timeoutSeconds), [&] { return !FindTopLevel(shown); }))
        Fail("a ZarnRes window is still shown");
    std::printf("gone: ok\n");
    return 0;
}

// The file-open box's title, "Look in" folder (list 0x471), file type (list 0x470) and
// the number of files its list (a list view inside the shell view) shows.
void PrintFileOpen(HWND box) {
    std::printf("title: %s\n", Narrow(CaptionOf(box)).c_str());
    if (HWND look = GetDlgItem(box, 0x471)) std::printf("lookin: %s\n", SelectedRowText(look).c_str());
    if (HWND types = GetDlgItem(box, 0x470)) std::printf("filter: %s\n", SelectedRowText(types).c_str());
    if (HWND view = FindWindowExW(box, nullptr, L"SHELLDLL_DefView", nullptr)) {
        if (HWND list = FindWindowExW(view, nullptr, L"SysListView32", nullptr))
            std::printf("items: %ld\n", static_cast<long>(Send(list, 0x1004 /* LVM_GETITEMCOUNT */)));
    }
    std::fflush(stdout);
}

int VerbFileOpen(const Args& args) {
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
            Usage();
    }
    HWND box = WaitFor(IsFileOpen, "the file-open box");
    PrintFileOpen(box);
    if (keep) return 0;
    if (!cancel) {
        // The file name field: a combobox (id 0x47c) in the explorer-style box, an edit (0x480) in the old style.
        HWND field = GetDlgItem(box, 0x47c);
        if (!field) field = GetDlgItem(box, 0x480);
        if (!field) Fail("the file-open box has no file name field");
        Send(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    Press(box, cancel ? IDCANCEL : IDOK);
    if (!Within(5.0, [&] { return !IsWindow(box) || !IsWindowVisible(box); })) Fail("the file-open box is still open");
    std::printf("fileopen: closed\n");
    return 0;
}

int VerbMode(const Args&) {
    DEVMODEA cur{};
    cur.dmSize = sizeof cur;
    if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &cur)) Fail("no current display mode");
    // Wine reports 32 bpp as the current depth to every process but the one
    // that switched; the copy kept by CDS_UPDATEREGISTRY has the real depth.
    DEVMODEA reg{};
    reg.dmSize = sizeof reg;
    DWORD bpp = cur.dmBitsPerPel;
    if (EnumDisplaySettingsA(nullptr, ENUM_REGISTRY_SETTINGS, &reg)) bpp = reg.dmBitsPerPel;
    std::printf("mode: %lux%lux%lu\n", cur.dmPelsWidth, cur.dmPelsHeight, bpp);
    return 0;
}

int VerbSetMode(const Args& args) {
    LONG r = SetModeFromText(Widen(Arg(args, 0)).c_str());
    std::printf("setmode: %ld\n", r);
    return r == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}

// A misspelt name would store or read a value the program never looks at, and
// a scenario would check nothing; only the program's own names are taken.
void CheckSettingName(const std::string& name) {
    if (std::find(std::begin(kSettingNames), std::end(kSettingNames), name) == std::end(kSettingNames))
        Fail("unknown setting %s", name.c_str());
}

int RegGet(const Args& args) {
    Args names(args.begin() + 1, args.end());
    if (names.empty()) names.assign(std::begin(kSettingNames), std::end(kSettingNames));
    for (const auto& n : names) CheckSettingName(n);
    HKEY opened = nullptr;
    const bool present =
        RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey.c_str(), 0, KEY_QUERY_VALUE, &opened) == ERROR_SUCCESS;
    const zarn::win32::UniqueKey key(present ? opened : nullptr);
    for (const auto& n : names) {
        std::string shown = "<absent>";
        if (key) {
            wchar_t buf[2048];
            DWORD type = 0, size = sizeof buf - sizeof(wchar_t);
            if (RegQueryValueExW(key.get(), Widen(n).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf), &size) ==
                ERROR_SUCCESS) {
                buf[size / sizeof(wchar_t)] = 0;
                shown = type == REG_SZ ? "\"" + Narrow(buf) + "\"" : "<type " + std::to_string(type) + ">";
            }
        }
        std::printf("%s=%s\n", n.c_str(), shown.c_str());
    }
    return 0;
}

int VerbReg(const Args& args) {
    if (args.empty()) Fail("reg needs get, set, del or clear");
    const std::string& op = args[0];
    if (op == "get") return RegGet(args);
    if (op == "clear") {
        LONG r = RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey.c_str());
        if (r != ERROR_SUCCESS && r != ERROR_FILE_NOT_FOUND)
            Fail("cannot delete the settings key (error %s)", std::to_string(r).c_str());
        std::printf("clear: ok\n");
        return 0;
    }
    if (op != "set" && op != "del") Fail("unknown reg operation %s", op.c_str());
    if (args.size() < 2) Fail("reg %s needs a name", op.c_str());
    if (op == "set" && args.size() % 2 != 1) Fail("reg set needs name and value pairs");
    for (size_t i = 1; i < args.size(); i += op == "set" ? 2 : 1) CheckSettingName(args[i]);
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created,
                        nullptr) != ERROR_SUCCESS)
        Fail("cannot open the settings key");
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
    if (r != ERROR_SUCCESS) Fail("registry write failed");
    std::printf("%s: ok\n", op.c_str());
    return 0;
}

int VerbNames(const Args&) {
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

int VerbHold(const Args& args) {
    const double seconds = std::atof(Arg(args, 0).c_str());
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

// The role Windows' accessibility proxy gives a button, read as the proxy reads it: by its type
// (an owner-drawn one reads as a push button); and the state a check box reports. Wine's proxy
// calls every control a plain client.
int VerbRole(const Args& args) {
    HWND button = ControlWindow(WaitDialog(), Arg(args, 0));
    const LONG type = GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK;
    const bool check = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
    std::printf("role: %s\nchecked: %ld\n", check ? "check button" : "push button",
                static_cast<long>(Send(button, BM_GETCHECK)));
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
     VerbMsgBox},
    {"nobox", "[SECONDS]", "fails if a ZarnRes message box shows within SECONDS (1)", VerbNoBox},
    {"dialog", "", "waits for the setup dialog, prints each control's state and the focus", VerbDialog},
    {"layout", "",
     "prints the DPI, client size, control rectangles and tab order; 'layout: ok' when they match the design "
     "at the screen's DPI (the label and the check box may be wider), else 'layout: wrong: ...' and exit 1",
     VerbLayout},
    {"select", "CONTROL ROW", "selects row ROW (from 0) of a list; refused when it is disabled", VerbSelect},
    {"check", "0|1", "clicks skipDialogCheck until it shows that state", VerbCheck},
    {"settext", "CONTROL TEXT", "sets a control's text; refused when it is disabled", VerbSetText},
    {"click", "CONTROL", "clicks a button (posted, so a long game run does not block)", VerbClick},
    {"clicks", "CONTROL N", "N quick clicks with the real mouse (2 make a double click)", VerbClicks},
    {"keys", "KEY...",
     "types keys into the dialog: tab, shift+tab, enter, space, down, up, esc, alt+f4, home, end, a letter", VerbKeys},
    {"focus", "", "prints which control has the keyboard focus", VerbFocus},
    {"close", "[--send]",
     "closes the dialog by its frame; --send sends WM_CLOSE as another program may, waiting up to -t SECONDS",
     VerbClose},
    {"gone", "[SECONDS]", "waits until no window of ZarnRes is left", VerbGone},
    {"fileopen", "[--keep|--cancel|--name NAME]",
     "waits for the file-open box, prints title, folder, filter, item count; leaves, cancels or opens NAME",
     VerbFileOpen},
    {"launch", "EXE ARGS",
     "starts EXE with the command line \"EXE\" ARGS (\\uXXXX: that UTF-16 unit, an unpaired surrogate too)",
     VerbLaunch},
    {"mode", "", "prints the display mode as WxHxB", VerbMode},
    {"setmode", "WxHxB", "switches the display mode (kept in the registry, as a game would)", VerbSetMode},
    {"reg", "get [NAME...]|set NAME VALUE...|del NAME|clear",
     "prints settings (<absent> when missing), stores text values, deletes one or all (the key)", VerbReg},
    {"hold", "SECONDS", "keeps the Wine desktop up that long, so display modes persist between programs", VerbHold},
    {"names", "", "prints the window class, captions, settings key, setting and control names", VerbNames},
    {"role", "BUTTON", "prints the role Windows' accessibility proxy gives a button, and its check state", VerbRole},
};

void Usage() {
    std::printf(
        "usage: uidriver [-t SECONDS] VERB [ARGS]\n"
        "Prints \"key: value\" lines; exits 0 on success, 1 when a window does not appear within\n"
        "SECONDS (15) or a check fails, 2 on bad usage. CONTROL is a control name:");
    for (const layout::Control* c : kWindowControls) std::printf(" %s", std::string(c->name).c_str());
    std::printf("\n\n");
    for (const Verb& v : kVerbs) {
        const std::string call = std::string(v.name) + (v.args.empty() ? "" : " ") + std::string(v.args);
        const bool ownLine = call.size() > 24;
        if (ownLine) std::printf("  %s\n", call.c_str());
        std::printf("  %-24s %s\n", ownLine ? "" : call.c_str(), std::string(v.help).c_str());
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

    if (args.size() >= 2 && args[0] == "-t") {
        timeoutSeconds = std::atof(args[1].c_str());
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty()) Usage();
    const Args rest(args.begin() + 1, args.end());
    for (const Verb& v : kVerbs)
        if (v.name == args[0]) {
            const int rc = v.run(rest);
            std::fflush(stdout);
            return rc;
        }
    Usage();
}
