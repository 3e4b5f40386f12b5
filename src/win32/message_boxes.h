#pragma once

#include "base/message_boxes.h"

namespace zarn::win32 {

// MessageBoxW captioned "ZarnRes", one OK button, modal to the whole application.
class Win32MessageBoxes final : public MessageBoxes {
public:
    void Show(const std::string& text, BoxStyle style) override;
};

}  // namespace zarn::win32
