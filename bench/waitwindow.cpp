// Timing probe for the benchmark, run inside the same Wine prefix as the
// program it watches, so its own start-up never counts. Prints "key: value".
//
//   waitwindow window CLASS SECONDS EXE [ARGS...]
//       starts EXE (command line "EXE" ARGS), then polls every 1 ms for a
//       visible top-level window of CLASS; prints "shown_ms:" from just before
//       the start to the first poll that sees it, closes the window (WM_CLOSE)
//       and prints the program's "exit:" code
//   waitwindow mode current|registry WxH SECONDS
//       prints "ready:" once it has read the display mode, then polls every
//       1 ms until the mode has left WxH and come back to it; prints
//       "reached:" as system time in 100 ns ticks (the clock of
//       GetSystemTimeAsFileTime). "current" reads the live mode, "registry"
//       the one stored by CDS_UPDATEREGISTRY.
//   waitwindow run SECONDS EXE [ARGS...]
//       prints "started:" as system time in 100 ns ticks just before it starts
//       EXE (command line "EXE" ARGS), then waits for it to end and prints its
//       "exit:" code
// Exits 0 on success, 1 on a timeout or failure, 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

int Usage() {
    std::printf(
        "usage: waitwindow window CLASS SECONDS EXE [ARGS...]\n"
        "       waitwindow mode current|registry WxH SECONDS\n"
        "       waitwindow run SECONDS EXE [ARGS...]\n");
    return 2;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

unsigned long long SystemTicks() {
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    return (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

std::wstring CommandLine(int count, wchar_t** program) {
    std::wstring commandLine = L"\"" + std::wstring(program[0]) + L"\"";
    for (int i = 1; i < count; ++i) commandLine += L" " + std::wstring(program[i]);
    return commandLine;
}

// Waits up to ms for the program to end, prints its exit code, closes its handle.
int ReportExit(HANDLE process, DWORD ms, const char* deadline) {
    DWORD code = 0;
    const bool ended = WaitForSingleObject(process, ms) == WAIT_OBJECT_0;
    if (ended) GetExitCodeProcess(process, &code);
    CloseHandle(process);
    if (!ended) {
        std::printf("error: the program did not end %s\n", deadline);
        return 1;
    }
    std::printf("exit: %lu\n", code);
    return 0;
}

int Run(double seconds, int count, wchar_t** program) {
    std::wstring commandLine = CommandLine(count, program);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::printf("started: %llu\n", SystemTicks());
    std::fflush(stdout);
    if (!CreateProcessW(program[0], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::printf("error: cannot start the program (%lu)\n", GetLastError());
        return 1;
    }
    CloseHandle(process.hThread);
    return ReportExit(process.hProcess, static_cast<DWORD>(seconds * 1000), "in time");
}

int WatchWindow(const wchar_t* windowClass, double seconds, int count, wchar_t** program) {
    std::wstring commandLine = CommandLine(count, program);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};

    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program[0], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::printf("error: cannot start the program (%lu)\n", GetLastError());
        return 1;
    }
    CloseHandle(process.hThread);

    HWND window = nullptr;
    for (;;) {
        window = FindWindowW(windowClass, nullptr);
        QueryPerformanceCounter(&now);
        if (window && IsWindowVisible(window)) break;
        if (Milliseconds(start, now) > seconds * 1000 || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
            std::printf("error: no window appeared\n");
            CloseHandle(process.hProcess);
            return 1;
        }
        Sleep(1);
    }
    std::printf("shown_ms: %.1f\n", Milliseconds(start, now));
    std::fflush(stdout);

    PostMessageW(window, WM_CLOSE, 0, 0);
    return ReportExit(process.hProcess, 10000, "after WM_CLOSE");
}

bool ReadMode(DWORD which, DWORD& width, DWORD& height) {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsW(nullptr, which, &mode)) return false;
    width = mode.dmPelsWidth;
    height = mode.dmPelsHeight;
    return true;
}

int WatchMode(const wchar_t* source, const wchar_t* target, double seconds) {
    DWORD which;
    if (std::wcscmp(source, L"current") == 0)
        which = ENUM_CURRENT_SETTINGS;
    else if (std::wcscmp(source, L"registry") == 0)
        which = ENUM_REGISTRY_SETTINGS;
    else
        return Usage();
    unsigned wantWidth = 0, wantHeight = 0;
    if (std::swscanf(target, L"%ux%u", &wantWidth, &wantHeight) != 2) return Usage();

    DWORD width = 0, height = 0;
    if (!ReadMode(which, width, height)) {
        std::printf("error: cannot read the display mode\n");
        return 1;
    }
    std::printf("ready: %lux%lu\n", width, height);
    std::fflush(stdout);

    const unsigned long long limit = SystemTicks() + static_cast<unsigned long long>(seconds * 1e7);
    bool left = width != wantWidth || height != wantHeight;
    for (;;) {
        Sleep(1);
        const bool read = ReadMode(which, width, height);
        const unsigned long long now = SystemTicks();
        const bool there = read && width == wantWidth && height == wantHeight;
        if (left && there) {
            std::printf("reached: %llu\n", now);
            return 0;
        }
        if (!there) left = true;
        if (now > limit) {
            std::printf("error: the mode did not %s %ux%u in time\n", left ? "come back to" : "leave", wantWidth,
                        wantHeight);
            return 1;
        }
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 5 && std::wcscmp(argv[1], L"window") == 0)
        return WatchWindow(argv[2], std::wcstod(argv[3], nullptr), argc - 4, argv + 4);
    if (argc >= 4 && std::wcscmp(argv[1], L"run") == 0) return Run(std::wcstod(argv[2], nullptr), argc - 3, argv + 3);
    if (argc == 5 && std::wcscmp(argv[1], L"mode") == 0)
        return WatchMode(argv[2], argv[3], std::wcstod(argv[4], nullptr));
    return Usage();
}
