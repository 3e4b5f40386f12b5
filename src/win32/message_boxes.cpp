#include "win32/message_boxes.h"

#include <windows.h>

#include "win32/text.h"

namespace zarn::win32 {

void Win32MessageBoxes::MsgBox(const std::string& text, BoxStyle style) {
    // The game may have held the foreground until it ended; the outcome must not hide behind it.
    MessageBoxW(nullptr, Widen(text).c_str(), L"ZarnRes",
                MB_OK | static_cast<UINT>(style) | MB_TASKMODAL | MB_SETFOREGROUND);
}

}  // namespace zarn::win32
