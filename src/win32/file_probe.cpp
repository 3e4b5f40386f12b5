#include "win32/file_probe.h"

#include <windows.h>

#include <algorithm>

#include "win32/text.h"

namespace zarn::win32 {

namespace {

// A path in a form the file APIs take at any length. A path of MAX_PATH or more
// gets the \\?\ prefix (\\?\UNC\ for a share), which only a full path takes and
// which turns off Windows' own clean-up of the path: so the path is made full
// first, its ".", ".." and '/' resolved. Where Windows makes no full path of a
// name that long, the path goes as typed, '/' made '\\'.
std::wstring Reachable(const std::wstring& path) {
    std::wstring full = FullPath(path);
    if (full.empty()) {
        full = path;
        std::replace(full.begin(), full.end(), L'/', L'\\');
    }
    if (full.size() < MAX_PATH) return path.size() < MAX_PATH ? path : full;
    if (full.size() > 2 && full[1] == L':' && full[2] == L'\\') return L"\\\\?\\" + full;
    if (full.starts_with(L"\\\\") && !full.starts_with(L"\\\\?\\") && !full.starts_with(L"\\\\.\\"))
        return L"\\\\?\\UNC" + full.substr(1);
    return full;  // prefixed already, or relative: no prefix reaches further
}

}  // namespace

// One call mostly: the buffer has room for the current folder that a relative path gains.
std::wstring FullPath(const std::wstring& path) {
    std::wstring full(path.size() + MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    }
    full.resize(length < full.size() ? length : 0);
    return full;
}

PathKind Win32FileProbe::Kind(const std::string& path) { return KindOf(Widen(path)); }

std::string Win32FileProbe::FullPath(const std::string& path) { return Narrow(win32::FullPath(Widen(path))); }

PathKind Win32FileProbe::KindOf(const std::wstring& path) {
    if (path.empty()) return PathKind::Missing;
    const DWORD attributes = GetFileAttributesW(Reachable(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return attributes & FILE_ATTRIBUTE_DIRECTORY ? PathKind::Folder : PathKind::File;
    return GetLastError() == ERROR_PATH_NOT_FOUND ? PathKind::MissingFolder : PathKind::Missing;
}

}  // namespace zarn::win32
