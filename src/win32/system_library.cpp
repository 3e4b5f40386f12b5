#include "win32/system_library.h"

#include <iterator>
#include <string>

#include "win32/system_error.h"
#include "win32/text.h"

namespace zarn::win32 {

// Windows 8 and later, and Vista and 7 with update KB2533623, have
// SetDefaultDllDirectories; elsewhere the current folder at least leaves the search.
// Not imported, so asked for; its type is the declaration's, calling convention included.
void LoadLibrariesOnlyFromSystemFolder() {
    using SetDefault = decltype(&SetDefaultDllDirectories);
    const auto setDefault = reinterpret_cast<SetDefault>(
        reinterpret_cast<AnyFunction>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (!setDefault || !setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) SetDllDirectoryW(L"");
}

AnyFunction SystemFunctionAddress(SystemDll dll, const char* name) {
    static HMODULE loaded[std::size(kLoadedOnFirstUse)] = {};
    const wchar_t* dllName = kLoadedOnFirstUse[static_cast<std::size_t>(dll)];
    const std::string what = "Loading " + Narrow(dllName);
    HMODULE& module = loaded[static_cast<std::size_t>(dll)];
    if (!module) {
        wchar_t folder[MAX_PATH];
        const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
        if (n == 0 || n >= MAX_PATH) throw SystemError(GetLastError(), what);
        // A full path: the search order plays no part in finding the DLL itself.
        module = LoadLibraryExW((std::wstring(folder, n) + L"\\" + dllName).c_str(), nullptr, 0);
        if (!module) throw SystemError(GetLastError(), what);
    }
    const FARPROC function = GetProcAddress(module, name);
    if (!function) throw SystemError(GetLastError(), what + " (" + name + ")");
    return reinterpret_cast<AnyFunction>(function);
}

}  // namespace zarn::win32
