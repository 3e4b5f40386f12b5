#pragma once
// Owners for the few Windows handles the program holds.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace zarn::win32 {

// Calls Close on a handle that is set (not null, not INVALID_HANDLE_VALUE).
template <typename Handle, auto Close>
struct Closer {
    void operator()(Handle h) const {
        if (h && h != reinterpret_cast<Handle>(INVALID_HANDLE_VALUE)) Close(h);
    }
};
template <typename Handle, auto Close>
using Unique = std::unique_ptr<std::remove_pointer_t<Handle>, Closer<Handle, Close>>;

using UniqueHandle = Unique<HANDLE, CloseHandle>;
using UniqueKey = Unique<HKEY, RegCloseKey>;
template <typename T>
using UniqueGdi = Unique<T, DeleteObject>;
// A memory device context (CreateCompatibleDC), deleted again.
using MemoryDc = Unique<HDC, DeleteDC>;

}  // namespace zarn::win32
