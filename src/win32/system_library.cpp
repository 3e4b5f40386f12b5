#include "win32/system_library.h"

#include <string>

#include "win32/system_error.h"
#include "win32/text.h"

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800  // hidden from builds for Vista
#endif

namespace zarn::win32 {

// Windows 8 and later, and Vista and 7 with update KB2533623, have
// SetDefaultDllDirectories; elsewhere the current folder at least leaves the search.
void LoadLibrariesOnlyFromSystemFolder() {
    using SetDefault = BOOL(WINAPI*)(DWORD);
    const auto setDefault = reinterpret_cast<SetDefault>(
        reinterpret_cast<AnyFunction>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (!setDefault || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) SetDllDirectoryW(L"");
}

AnyFunction SystemFunctionAddress(const wchar_t* dll, const char* name) {
    const std::string what = "Loading " + Narrow(dll);
    wchar_t folder[MAX_PATH];
    const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) throw SystemError(GetLastError(), what);
    // A full path: the search order plays no part in finding the DLL itself.
    const HMODULE module = LoadLibraryExW((std::wstring(folder, n) + L"\\" + dll).c_str(), nullptr, 0);
    if (!module) throw SystemError(GetLastError(), what);
    const FARPROC function = GetProcAddress(module, name);
    if (!function) throw SystemError(GetLastError(), what + " (" + name + ")");
    return reinterpret_cast<AnyFunction>(function);
}

}  // namespace zarn::win32
