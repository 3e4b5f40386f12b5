#pragma once
// Input as a user gives it: keys and key chords, and real mouse clicks, sent
// through the system's input queue to the window in the foreground.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace uidriver {

// The virtual keys of "tab", "shift+tab", "alt+f4", "a", ...; nothing for an unknown key.
std::optional<std::vector<WORD>> KeyChord(std::string_view key);

// Presses the keys in order and lets them go in reverse order.
void SendChord(const std::vector<WORD>& vks);

// Brings the dialog to the foreground and types the keys into it; fails on an
// unknown key or when the dialog cannot be brought forward.
void TypeKeys(HWND dialog, const std::vector<std::string>& keys);

// COUNT left clicks with the real mouse in the middle of TARGET (2 make a double click).
void MouseClicks(HWND dialog, HWND target, int count);

}  // namespace uidriver
