#include "win32/game_launcher.h"

#include <windows.h>

#include <vector>

#include "win32/handles.h"
#include "win32/system_error.h"
#include "win32/text.h"

namespace zarn::win32 {

namespace {

class Win32GameProcess final : public GameProcess {
public:
    explicit Win32GameProcess(HANDLE process) : process_(process) {}

    bool HasEnded() override {
        DWORD code = 0;
        if (!GetExitCodeProcess(process_.get(), &code)) throw SystemError(GetLastError(), "Watching the game");
        if (code != STILL_ACTIVE) return true;
        // A game whose own exit code is 259 has still ended once its handle is signalled.
        const DWORD state = WaitForSingleObject(process_.get(), 0);
        if (state == WAIT_FAILED) throw SystemError(GetLastError(), "Watching the game");
        return state == WAIT_OBJECT_0;
    }

    void WaitForEndOrMessage() override {
        HANDLE handles[] = {process_.get()};
        // MWMO_INPUTAVAILABLE: messages already seen by an earlier PeekMessage also wake the wait.
        const DWORD r = MsgWaitForMultipleObjectsEx(1, handles, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (r == WAIT_FAILED) throw SystemError(GetLastError(), "Waiting for the game");
    }

private:
    UniqueHandle process_;
};

}  // namespace

std::unique_ptr<GameProcess> Win32GameLauncher::Start(const std::string& commandLine) {
    std::wstring line = Widen(commandLine);
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');  // CreateProcessW may write into the command line

    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        throw error::FileNotFound();
    CloseHandle(pi.hThread);
    return std::make_unique<Win32GameProcess>(pi.hProcess);
}

bool Win32GameLauncher::IsFile(const std::string& path) {
    if (path.empty()) return false;
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace zarn::win32
