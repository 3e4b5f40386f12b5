// Baseline for the CPU figure: starts a program and waits for it the way a
// busy poll does, asking for the exit code and draining the message queue
// over and over with no pause. Its command line, less its own name, is the
// program to start (default: the game at its usual place).
#include <windows.h>

#include <string>

namespace {

std::wstring argument_string() {
    const wchar_t* p = GetCommandLineW();
    bool quoted = false;
    while (*p && (quoted || (*p != L' ' && *p != L'\t'))) {
        if (*p == L'"') quoted = !quoted;
        ++p;
    }
    while (*p == L' ' || *p == L'\t') ++p;
    return p;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    std::wstring command = argument_string();
    if (command.empty()) command = L"C:\\Colvane\\Vantreel\\zarnsl.exe ";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 1;
    CloseHandle(pi.hThread);
    DWORD code = STILL_ACTIVE;
    do {
        GetExitCodeProcess(pi.hProcess, &code);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    } while (code == STILL_ACTIVE);
    CloseHandle(pi.hProcess);
    return 0;
}
