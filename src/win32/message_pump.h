#pragma once
// Handles waiting window messages, passing them through the dialog's keyboard handling.

#include <windows.h>

#include <functional>

#include "base/message_pump.h"

namespace zarn::win32 {

class Win32MessagePump final : public MessagePump {
public:
    // dialog: the dialog window while it exists, else nullptr.
    explicit Win32MessagePump(std::function<HWND()> dialog) : dialog_(std::move(dialog)) {}

    void DispatchPending() override;
    // Translates and dispatches one message; Tab, Enter and the arrows go to the dialog.
    void Dispatch(MSG& msg);

private:
    std::function<HWND()> dialog_;
};

}  // namespace zarn::win32
