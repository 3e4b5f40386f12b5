#include "win32/file_probe.h"

#include <windows.h>

#include <optional>

#include "win32/text.h"

namespace zarn::win32 {

namespace {

// A path in a form the file APIs take at any length: an absolute path of MAX_PATH
// or more gets the \\?\ prefix, which also turns off the platform's clean-up of
// the path, so '/' becomes '\\' here first.
std::wstring Reachable(std::wstring path) {
    const bool absolute = path.size() > 2 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
    if (path.size() < MAX_PATH || !absolute) return path;
    for (auto& c : path)
        if (c == L'/') c = L'\\';
    return L"\\\\?\\" + path;
}

// The attributes of what the path names, or nothing when it names nothing.
std::optional<DWORD> AttributesOf(const std::wstring& path) {
    if (path.empty()) return std::nullopt;
    const DWORD attributes = GetFileAttributesW(Reachable(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

}  // namespace

Named Win32FileProbe::Look(const std::string& path) { return Look(Widen(path)); }

Named Win32FileProbe::Look(std::wstring path) {
    if (const auto attributes = AttributesOf(path))
        return *attributes & FILE_ATTRIBUTE_DIRECTORY ? Named::Folder : Named::File;
    const auto withExe = AttributesOf(path += L".exe");
    return withExe && !(*withExe & FILE_ATTRIBUTE_DIRECTORY) ? Named::FileWithExe : Named::Nothing;
}

}  // namespace zarn::win32
