// Stand-in for the game: records how it was started, optionally shows a
// window for a while, optionally leaves the desktop in another display mode,
// and exits with a chosen code.  It is configured only through environment
// variables so that its command line is entirely the caller's:
//
// Every variable can also be given as <NAME>_<STEM>, which only a copy of this
// program named <STEM>.exe reads (e.g. ZARNSL_LOG_PROGRAM for C:\Program.exe),
// so that a decoy or a child copy can behave differently from the real game.
//
//   ZARNSL_LOG         log file; one UTF-8 line per start holding
//                      GetCommandLineW() exactly (unpaired surrogates kept)
//   ZARNSL_CWD_LOG     log file for the current folder at start, one line
//   ZARNSL_EVENTS      log file for "switched WxHxB" once the mode is set,
//                      "child-error <code>" when the child cannot be started,
//                      "children <started>/<asked>" after ZARNSL_CHILDREN, and
//                      "end <ticks>" (system time in 100 ns) just before exiting
//   ZARNSL_START_LOG   log file for "start <ticks>" on entry, same clock as "end"
//   ZARNSL_CHILD       a program to start (with no arguments) and not wait for,
//                      as a launcher stub does
//   ZARNSL_BREAKAWAY   "1": start that child with CREATE_BREAKAWAY_FROM_JOB, as
//                      launchers and crash reporters that leave the job do
//   ZARNSL_GUARD       "1": start that child with an empty access list on its
//                      process, so that no other program can open it, as games
//                      with anti-cheat protection guard theirs
//   ZARNSL_LAST        a program to start (with no arguments), not waited for,
//                      just before exiting
//   ZARNSL_CHILDREN    how many copies of this program to start before the child,
//                      not waited for; each only lives ZARNSL_CHILDREN_MS (default 0)
//                      and logs nothing
//   ZARNSL_SLEEP_MS    how long to keep running (default 0)
//   ZARNSL_MODE        "WxHxB": switch the display to that mode at start and
//                      leave it so, as a full-screen game would on a crash
//   ZARNSL_EXIT        process exit code (default 0)
//   ZARNSL_WINDOW      "0" to run without a window
#include <windows.h>

#include <cwchar>
#include <cwctype>
#include <string>

#include "../set_mode.h"
#include "win32/text.h"

namespace {

std::wstring Env(const wchar_t* name) {
    wchar_t buf[1024];
    const DWORD n = GetEnvironmentVariableW(name, buf, 1024);
    return n < 1024 ? std::wstring(buf, n) : std::wstring();  // a longer value counts as none
}

// Upper-case file name of this executable without folder and extension.
std::wstring OwnStem() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring stem(path, n);
    stem = stem.substr(stem.find_last_of(L"\\/") + 1);  // npos + 1 is 0: no folder
    stem = stem.substr(0, stem.find_last_of(L'.'));
    for (auto& c : stem) c = static_cast<wchar_t>(std::towupper(c));
    return stem;
}

// A variable for this copy: <NAME>_<STEM> first, then <NAME>.
std::wstring Setting(const std::wstring& name) {
    static const std::wstring stem = OwnStem();
    std::wstring v = Env((name + L"_" + stem).c_str());
    return v.empty() ? Env(name.c_str()) : v;
}

unsigned long long SystemTicks() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    return (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

// Tells a copy started for ZARNSL_CHILDREN how long to live; read before anything else.
constexpr wchar_t kShortChildMs[] = L"ZARNSL_SHORT_CHILD_MS";

unsigned long SettingNumber(const std::wstring& name, unsigned long fallback) {
    std::wstring v = Setting(name);
    return v.empty() ? fallback : std::wcstoul(v.c_str(), nullptr, 0);
}

// Appends a line to FILE; no file named, nothing is logged.
void AppendLog(const std::wstring& file, const std::wstring& line) {
    if (file.empty()) return;
    // Retried briefly: two copies may start at once and share the file.
    for (int attempt = 0; attempt < 50; ++attempt) {
        HANDLE h = CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            std::string bytes = zarn::win32::Narrow(line) + "\n";
            DWORD written = 0;
            WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
            CloseHandle(h);
            return;
        }
        Sleep(20);
    }
}

std::wstring commandLine, events;

// Starts PROGRAM, if one is named, and does not wait for it; should that fail, logs
// "<WHAT>-error <code>" to the events when WHAT is given.
bool StartProgram(const std::wstring& program, DWORD flags, const wchar_t* what = nullptr, bool guarded = false) {
    if (program.empty()) return false;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring line = L"\"" + program + L"\"";
    // An access list with no entry lets nobody open the process.
    ACL emptyList;
    SECURITY_DESCRIPTOR guard;
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &guard, FALSE};
    InitializeAcl(&emptyList, sizeof emptyList, ACL_REVISION);
    InitializeSecurityDescriptor(&guard, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&guard, TRUE, &emptyList, FALSE);
    if (!CreateProcessW(program.c_str(), line.data(), guarded ? &attributes : nullptr, nullptr, FALSE, flags, nullptr,
                        nullptr, &si, &pi)) {
        const DWORD error = GetLastError();
        if (what) AppendLog(events, what + (L"-error " + std::to_wstring(error)));
        return false;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

void StartShortChildren(unsigned long count) {
    wchar_t self[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring ms = Setting(L"ZARNSL_CHILDREN_MS");
    SetEnvironmentVariableW(kShortChildMs, ms.empty() ? L"0" : ms.c_str());
    unsigned long started = 0;
    for (unsigned long i = 0; i < count && n > 0 && n < MAX_PATH; ++i)
        if (StartProgram(std::wstring(self, n), 0)) ++started;
    SetEnvironmentVariableW(kShortChildMs, nullptr);
    AppendLog(events, L"children " + std::to_wstring(started) + L"/" + std::to_wstring(count));
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_TIMER: DestroyWindow(hwnd); return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT rc;
            GetClientRect(hwnd, &rc);
            InflateRect(&rc, -8, -8);
            DrawTextW(dc, commandLine.c_str(), -1, &rc, DT_WORDBREAK | DT_NOPREFIX);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void RunWindow(HINSTANCE instance, DWORD sleepMs, int show) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"ZarnslStandIn";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowW(wc.lpszClassName, L"zarnsl stand-in", WS_OVERLAPPEDWINDOW, 40, 40, 420, 140, nullptr,
                              nullptr, instance, nullptr);
    if (!hwnd) {
        Sleep(sleepMs);
        return;
    }
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    SetTimer(hwnd, 1, sleepMs, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show) {
    const unsigned long long startTicks = SystemTicks();
    const std::wstring shortChildMs = Env(kShortChildMs);
    if (!shortChildMs.empty()) {
        Sleep(std::wcstoul(shortChildMs.c_str(), nullptr, 0));
        return 0;
    }
    // The start's time, its command line and its current folder, each where it is asked for.
    commandLine = GetCommandLineW();
    AppendLog(Setting(L"ZARNSL_START_LOG"), L"start " + std::to_wstring(startTicks));
    AppendLog(Setting(L"ZARNSL_LOG"), commandLine);
    wchar_t cwd[MAX_PATH];
    const DWORD cwdLength = GetCurrentDirectoryW(MAX_PATH, cwd);
    AppendLog(Setting(L"ZARNSL_CWD_LOG"), std::wstring(cwd, cwdLength < MAX_PATH ? cwdLength : 0));
    events = Setting(L"ZARNSL_EVENTS");

    std::wstring mode = Setting(L"ZARNSL_MODE");
    if (!mode.empty() && SetModeFromText(mode.c_str()) == DISP_CHANGE_SUCCESSFUL)
        AppendLog(events, L"switched " + mode);

    const unsigned long children = SettingNumber(L"ZARNSL_CHILDREN", 0);
    if (children > 0) StartShortChildren(children);

    StartProgram(Setting(L"ZARNSL_CHILD"), Setting(L"ZARNSL_BREAKAWAY") == L"1" ? CREATE_BREAKAWAY_FROM_JOB : 0,
                 L"child", Setting(L"ZARNSL_GUARD") == L"1");

    DWORD sleepMs = SettingNumber(L"ZARNSL_SLEEP_MS", 0);
    if (sleepMs > 0) {
        if (Setting(L"ZARNSL_WINDOW") == L"0")
            Sleep(sleepMs);
        else
            RunWindow(instance, sleepMs, show);
    }
    AppendLog(events, L"end " + std::to_wstring(SystemTicks()));
    StartProgram(Setting(L"ZARNSL_LAST"), 0, L"last");
    return static_cast<int>(SettingNumber(L"ZARNSL_EXIT", 0));
}
