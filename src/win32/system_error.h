#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "base/errors.h"

namespace zarn::win32 {

// The system's own text for an error code, without its line end.
std::string SystemText(DWORD code);

// A failed platform call as a run-time error 5 carrying the system's own text.
// Take the code at the call site (a Reg* result, or GetLastError() right after the call).
RuntimeError SystemError(DWORD code, std::string_view what);

}  // namespace zarn::win32
