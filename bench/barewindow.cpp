// The reference for the start-up figure: the least a Win32 GUI program does
// to show a window (register a class, create and show one top-level window,
// run a message loop until it is closed). Built as barelauncher.exe
// (ZARN_BARE_LAUNCHER), the reference for the launch overhead: the least a
// launcher that shows its dialog first does, which then starts the game at its
// usual place and blocks until it ends.
// With ZARN_THEMED_WINDOW (themedwindow.exe, themedlauncher.exe) the window pays
// what visual styles cost: themedwindow.rc embeds zarnres.exe's own manifest,
// which asks for common controls 6, and the window holds one push button after
// InitCommonControlsEx, as zarnres.exe calls it.
#include <windows.h>
#ifdef ZARN_THEMED_WINDOW
#include <commctrl.h>
#endif

namespace {

#ifdef ZARN_THEMED_WINDOW
constexpr wchar_t kClassName[] = L"ZarnBenchThemedWindow";
constexpr wchar_t kCaption[] = L"Themed window";
#else
constexpr wchar_t kClassName[] = L"ZarnBenchBareWindow";
constexpr wchar_t kCaption[] = L"Bare window";
#endif

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show) {
#ifdef ZARN_THEMED_WINDOW
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
#endif
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassW(&wc)) return 1;
    HWND window = CreateWindowW(kClassName, kCaption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 330, 270,
                                nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
#ifdef ZARN_THEMED_WINDOW
    if (!CreateWindowW(L"BUTTON", L"Run", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 16, 16, 120, 32, window,
                       nullptr, instance, nullptr))
        return 1;
#endif
    ShowWindow(window, show);
    UpdateWindow(window);
#ifdef ZARN_BARE_LAUNCHER
    wchar_t command[] = L"C:\\Colvane\\Vantreel\\zarnsl.exe ";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 1;
    WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 0;
#endif
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
