#pragma once

#include <windows.h>

#include <string_view>

#include "runtime/errors.h"

namespace zarn::win32 {

// A failed platform call as a run-time error 5 carrying the system's own text.
// Take the code at the call site (a Reg* result, or GetLastError() right after the call).
RuntimeError SystemError(DWORD code, std::string_view what);

}  // namespace zarn::win32
