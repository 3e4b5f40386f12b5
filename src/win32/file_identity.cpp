#include "win32/file_identity.h"

#include <cstring>

#include "win32/handles.h"
#include "win32/system_error.h"

namespace zarn::win32 {

namespace {

// FILE_ID_INFO and its class value, declared here because the headers show them
// only to builds for Windows 8 and later; older systems answer the call with an error.
constexpr auto kFileIdInfoClass = static_cast<FILE_INFO_BY_HANDLE_CLASS>(18);
struct FileIdInfo128 {
    ULONGLONG volumeSerial;
    BYTE id[16];
};
static_assert(sizeof(FileIdInfo128) == 24, "FILE_ID_INFO's size, without padding, on 32 and 64 bits alike");

// Who a file is, whatever name or link reaches it: the volume serial with the
// 128-bit file id, which every file system keeps unique (ReFS included), or with
// the 64-bit file index where the system has no 128-bit id.
struct FileIdentity {
    bool wide = false;
    ULONGLONG volume = 0;
    BYTE id[16]{};
    bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const std::wstring& path) {
    const UniqueHandle file = OwnFileHandle(CreateFileW(
        path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) throw SystemError(GetLastError(), "Checking the game's program file");
    FileIdentity identity;
    // A file system without 128-bit ids answers with an id of 0, which must be ignored.
    FileIdInfo128 wide{};
    static constexpr BYTE kNoId[16]{};
    if (GetFileInformationByHandleEx(file.get(), kFileIdInfoClass, &wide, sizeof(wide)) &&
        std::memcmp(wide.id, kNoId, sizeof(kNoId)) != 0) {
        identity.wide = true;
        identity.volume = wide.volumeSerial;
        std::memcpy(identity.id, wide.id, sizeof(identity.id));
        return identity;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.get(), &info))
        throw SystemError(GetLastError(), "Checking the game's program file");
    identity.volume = info.dwVolumeSerialNumber;
    std::memcpy(identity.id, &info.nFileIndexLow, sizeof(DWORD));
    std::memcpy(identity.id + sizeof(DWORD), &info.nFileIndexHigh, sizeof(DWORD));
    return identity;
}

}  // namespace

bool SameFile(const std::wstring& a, const std::wstring& b) { return IdentityOf(a) == IdentityOf(b); }

}  // namespace zarn::win32
