#pragma once
// Asks the file system what a path names, at any length of path.

#include <string>

#include "game/file_probe.h"

namespace zarn::win32 {

class Win32FileProbe final : public FileProbe {
public:
    PathKind Kind(const std::string& path) override;
    std::string FullPath(const std::string& path) override;
    // The same look-up for a path already in Windows' own text.
    static PathKind KindOf(const std::wstring& path);
};

// The full path, with ".", ".." and '/' resolved as Windows resolves them in a path
// without the \\?\ prefix; "" when it cannot be made.
std::wstring FullPath(const std::wstring& path);

}  // namespace zarn::win32
