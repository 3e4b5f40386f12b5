#pragma once
// Whether two paths lead to the same file, whatever names or links reach it.

#include <string>

namespace zarn::win32 {

// Compares the files' identities (volume and file id); raises a RuntimeError when
// either cannot be opened.
bool SameFile(const std::wstring& a, const std::wstring& b);

}  // namespace zarn::win32
