#pragma once
// Owners for the few Windows handles the program holds.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace zarn::win32 {

struct HandleCloser {
    void operator()(HANDLE h) const {
        if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

struct KeyCloser {
    void operator()(HKEY k) const {
        if (k) RegCloseKey(k);
    }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

struct GdiDeleter {
    void operator()(HGDIOBJ o) const {
        if (o) DeleteObject(o);
    }
};
template <typename T>
using UniqueGdi = std::unique_ptr<std::remove_pointer_t<T>, GdiDeleter>;

}  // namespace zarn::win32
