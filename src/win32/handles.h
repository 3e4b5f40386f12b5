#pragma once
// Owners for the few Windows handles the program holds.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace zarn::win32 {

// Calls Close on a handle that is set. An owner holds a valid handle or none, so
// `!owner` is the one test of validity (see OwnFileHandle).
template <typename Handle, auto Close>
struct Closer {
    void operator()(Handle h) const { Close(h); }
};
template <typename Handle, auto Close>
using Unique = std::unique_ptr<std::remove_pointer_t<Handle>, Closer<Handle, Close>>;

using UniqueHandle = Unique<HANDLE, CloseHandle>;
// The owner of a handle from a call that reports failure as INVALID_HANDLE_VALUE
// (CreateFileW) instead of null: a failed call gives an empty owner.
inline UniqueHandle OwnFileHandle(HANDLE h) { return UniqueHandle(h == INVALID_HANDLE_VALUE ? nullptr : h); }
using UniqueKey = Unique<HKEY, RegCloseKey>;
using UniqueIcon = Unique<HICON, DestroyIcon>;
// Memory that a call allocated for its caller (FORMAT_MESSAGE_ALLOCATE_BUFFER).
using UniqueLocal = Unique<HLOCAL, LocalFree>;
template <typename T>
using UniqueGdi = Unique<T, DeleteObject>;
// A memory device context (CreateCompatibleDC), deleted again.
using MemoryDc = Unique<HDC, DeleteDC>;

}  // namespace zarn::win32
