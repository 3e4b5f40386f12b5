#include "win32/message_boxes.h"

#include <windows.h>

#include "win32/text.h"

namespace zarn::win32 {

namespace {

UINT Icon(BoxStyle style) {
    switch (style) {
        case BoxStyle::Critical: return MB_ICONSTOP;
        case BoxStyle::Question: return MB_ICONQUESTION;
        case BoxStyle::Information: return MB_ICONINFORMATION;
    }
    return 0;
}

}  // namespace

void Win32MessageBoxes::Show(const std::string& text, BoxStyle style) {
    // The game may have held the foreground until it ended; the outcome must not hide behind it.
    MessageBoxW(nullptr, Widen(text).c_str(), L"ZarnRes", MB_OK | Icon(style) | MB_TASKMODAL | MB_SETFOREGROUND);
}

}  // namespace zarn::win32
