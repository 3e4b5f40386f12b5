#include "win32/file_open_box.h"

#include <commdlg.h>

#include <algorithm>

#include "base/errors.h"
#include "setup/layout.h"
#include "win32/system_library.h"
#include "win32/text.h"

namespace zarn::win32 {

namespace {

// "description|pattern" to the platform's "description\0pattern\0\0".
std::wstring FilterString(std::string_view filter) {
    std::wstring out = Widen(filter);
    std::replace(out.begin(), out.end(), L'|', L'\0');
    return out.append(2, L'\0');
}

// The process's current folder, put back when this goes: an open box moves it
// to the folder the user browsed to (OFN_NOCHANGEDIR does not apply to open
// boxes), and a relative game path must still resolve where it did before.
class KeptCurrentFolder {
public:
    KeptCurrentFolder() {
        const DWORD n = GetCurrentDirectoryW(0, nullptr);
        folder_.resize(n);
        const DWORD written = n ? GetCurrentDirectoryW(n, folder_.data()) : 0;
        folder_.resize(written < n ? written : 0);
    }
    ~KeptCurrentFolder() {
        if (!folder_.empty()) SetCurrentDirectoryW(folder_.c_str());  // a folder removed meanwhile stays left
    }
    KeptCurrentFolder(const KeptCurrentFolder&) = delete;
    KeptCurrentFolder& operator=(const KeptCurrentFolder&) = delete;

private:
    std::wstring folder_;
};

}  // namespace

bool Win32FileOpenBox::ShowOpen() {
    const KeptCurrentFolder keep;
    const std::wstring filter = FilterString(layout::kFileOpenFilter);
    const std::wstring title = Widen(layout::kFileOpenTitle);
    const std::wstring initialFolder = Widen(layout::kFileOpenInitialFolder);
    // Like the control it stands for, the box starts from the name chosen last, if any.
    std::wstring file = Widen(fileName_);
    file.resize(32768, L'\0');

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner_();
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = initialFolder.c_str();
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    const auto getOpenFileName = ZARN_SYSTEM_FUNCTION(Comdlg32, GetOpenFileNameW);
    const auto extendedError = ZARN_SYSTEM_FUNCTION(Comdlg32, CommDlgExtendedError);
    if (!getOpenFileName(&ofn)) {
        const DWORD code = extendedError();
        if (code == 0) return false;  // cancelled
        throw error::InvalidCall("The file-open box failed (" + std::to_string(code) + ")");
    }
    fileName_ = Narrow(file.data());
    return true;
}

}  // namespace zarn::win32
