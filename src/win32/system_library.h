#pragma once
// The system DLLs that only some runs need (the file-open box, a start through the shell), loaded
// on first use, so a start pays nothing for them, and only ever from Windows' own folder.

#include <windows.h>

namespace zarn::win32 {

// Restricts every DLL the process loads from now on, and every DLL those load, to
// Windows' own folder. Called first thing.
void LoadLibrariesOnlyFromSystemFolder();

// The DLLs loaded on first use, each named once: SystemDll and kLoadedOnFirstUse (which it indexes)
// are made from this one list, and check-exe.sh reads its DLL(...) entries.
#define ZARN_SYSTEM_DLLS(DLL) DLL(Comdlg32, L"comdlg32.dll") DLL(Shell32, L"shell32.dll") DLL(Ole32, L"ole32.dll")
#define ZARN_DLL_ENUMERATOR(dll, file) dll,
#define ZARN_DLL_FILE(dll, file) file,
enum class SystemDll { ZARN_SYSTEM_DLLS(ZARN_DLL_ENUMERATOR) };
inline constexpr const wchar_t* kLoadedOnFirstUse[] = {ZARN_SYSTEM_DLLS(ZARN_DLL_FILE)};
#undef ZARN_DLL_ENUMERATOR
#undef ZARN_DLL_FILE

using AnyFunction = void (*)();
// A function of a system DLL, which is loaded from Windows' own folder once and kept
// for the program's life; raises a RuntimeError when either is missing.
AnyFunction SystemFunctionAddress(SystemDll dll, const char* name);

}  // namespace zarn::win32

// A system function by its declared name: the type and the name asked for cannot part.
#define ZARN_SYSTEM_FUNCTION(dll, function) \
    reinterpret_cast<decltype(&function)>(zarn::win32::SystemFunctionAddress(zarn::win32::SystemDll::dll, #function))
