#pragma once
// The platform services the program relies on, as small interfaces. The Windows
// implementations live in src/win32; the unit tests use fakes.

#include <string>

namespace zarn {

// Message box icon styles; every box has the one OK button.
enum class BoxStyle : int { Critical = 16, Question = 32, Information = 64 };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Modal to the application, captioned "ZarnRes"; returns when the user closes it.
    virtual void MsgBox(const std::string& text, BoxStyle style) = 0;
};

class MessagePump {
public:
    virtual ~MessagePump() = default;
    // Handles every window message that is waiting, then returns.
    virtual void DoEvents() = 0;
};

}  // namespace zarn
