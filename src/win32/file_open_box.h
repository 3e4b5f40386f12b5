#pragma once
// The browse button's file-open box (GetOpenFileNameW), set up as the dialog designs it.

#include <windows.h>

#include <functional>

#include "setup/file_open_box.h"

namespace zarn::win32 {

class Win32FileOpenBox final : public FileOpenBox {
public:
    explicit Win32FileOpenBox(std::function<HWND()> owner) : owner_(std::move(owner)) {}
    bool ShowOpen() override;
    std::string FileName() const override { return fileName_; }

private:
    std::function<HWND()> owner_;
    std::string fileName_;
};

}  // namespace zarn::win32
