#pragma once
// Functions of the system DLLs that only some runs need: the file-open box
// (comdlg32), a start through the shell and COM for it (shell32, ole32). They are
// loaded on first use, so a start pays nothing for them, and only ever from
// Windows' own folder: never from the program's folder or the current one.

#include <windows.h>

namespace zarn::win32 {

// Restricts every DLL the process loads from now on, and every DLL those load, to
// Windows' own folder. Called first thing.
void LoadLibrariesOnlyFromSystemFolder();

// The DLLs loaded on first use, each named once (SystemDll indexes it; check-exe.sh reads it).
enum class SystemDll { Comdlg32, Shell32, Ole32 };
inline constexpr const wchar_t* kLoadedOnFirstUse[] = {L"comdlg32.dll", L"shell32.dll", L"ole32.dll"};

using AnyFunction = void (*)();
// A function of a system DLL, which is loaded from Windows' own folder once and kept
// for the program's life; raises a RuntimeError when either is missing.
AnyFunction SystemFunctionAddress(SystemDll dll, const char* name);

template <typename Function>
Function* SystemFunction(SystemDll dll, const char* name) {
    return reinterpret_cast<Function*>(SystemFunctionAddress(dll, name));
}

}  // namespace zarn::win32

// A system function by its declared name: the type and the name asked for cannot part.
#define ZARN_SYSTEM_FUNCTION(dll, function) \
    ::zarn::win32::SystemFunction<decltype(function)>(::zarn::win32::SystemDll::dll, #function)
