#include "input.h"

#include <cctype>
#include <utility>

#include "find.h"

namespace uidriver {

std::optional<std::vector<WORD>> KeyChord(std::string_view key) {
    std::vector<WORD> vks;
    for (auto plus = key.find('+'); plus != std::string_view::npos; plus = key.find('+')) {
        const std::string_view mod = key.substr(0, plus);
        const WORD vk = mod == "shift" ? VK_SHIFT : mod == "alt" ? VK_MENU : mod == "ctrl" ? VK_CONTROL : 0;
        if (!vk) return std::nullopt;
        vks.push_back(vk);
        key.remove_prefix(plus + 1);
    }
    static constexpr std::pair<std::string_view, WORD> kNamedKeys[] = {
        {"tab", VK_TAB},    {"enter", VK_RETURN}, {"space", VK_SPACE}, {"down", VK_DOWN}, {"up", VK_UP},
        {"esc", VK_ESCAPE}, {"f4", VK_F4},        {"home", VK_HOME},   {"end", VK_END}};
    WORD vk = 0;
    for (auto [name, code] : kNamedKeys)
        if (key == name) vk = code;
    if (key.size() == 1 && std::isalnum(static_cast<unsigned char>(key[0])))
        vk = static_cast<WORD>(std::toupper(static_cast<unsigned char>(key[0])));
    if (!vk) return std::nullopt;
    vks.push_back(vk);
    return vks;
}

void SendChord(const std::vector<WORD>& vks) {
    std::vector<INPUT> in;
    const auto key = [&](WORD vk, DWORD flags) {
        INPUT& i = in.emplace_back();
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        i.ki.dwFlags = flags;
    };
    for (WORD vk : vks) key(vk, 0);
    for (auto it = vks.rbegin(); it != vks.rend(); ++it) key(*it, KEYEVENTF_KEYUP);
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

void TypeKeys(HWND dialog, const std::vector<std::string>& keys) {
    SetForegroundWindow(dialog);
    for (int i = 0; i < 40 && GetForegroundWindow() != dialog; ++i) Sleep(25);
    if (GetForegroundWindow() != dialog) Fail("could not bring the dialog to the foreground");
    for (const auto& k : keys) {
        auto chord = KeyChord(k);
        if (!chord) Fail("unknown key %s", k.c_str());
        SendChord(*chord);
        Sleep(60);
    }
    // Let the dialog handle the input before anyone looks at it.
    if (IsWindow(dialog)) SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, nullptr);
}

void MouseClicks(HWND dialog, HWND target, int count) {
    SetForegroundWindow(dialog);
    RECT r;
    GetWindowRect(target, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Sleep(100);
    std::vector<INPUT> in(static_cast<size_t>(count) * 2);
    for (size_t i = 0; i < in.size(); ++i) {
        in[i].type = INPUT_MOUSE;
        in[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

}  // namespace uidriver
