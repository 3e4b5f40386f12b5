#pragma once
// The message boxes the program shows; Windows' own in src/win32, fakes in the unit tests.

#include <string>

namespace zarn {

// Message box icon styles; every box has the one OK button.
enum class BoxStyle { Critical, Question, Information };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Modal to the application, captioned "ZarnRes"; returns when the user closes it.
    virtual void Show(const std::string& text, BoxStyle style) = 0;
};

}  // namespace zarn
