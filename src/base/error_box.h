#pragma once
// The program's error box, where untrapped errors end: every event handler, and
// every window or subclass procedure through the boundary, hands what it raises to it.

#include <exception>
#include <utility>

#include "base/boundary.h"
#include "base/errors.h"
#include "base/message_boxes.h"

namespace zarn {

// The program's error box. It shows the first untrapped error only: whatever fails while
// that box is up (a repaint behind it, say) follows from the first. Once it has been
// shown, the program is to end with exit code 1.
class ErrorBox {
public:
    explicit ErrorBox(MessageBoxes& boxes) : boxes_(boxes) {}
    ErrorBox(const ErrorBox&) = delete;
    ErrorBox& operator=(const ErrorBox&) = delete;

    void Show(const std::exception_ptr& caught) {
        if (shown_) return;
        shown_ = true;
        boxes_.Show(RunTimeErrorText(UntrappedError(caught)), BoxStyle::Critical);
    }
    bool Shown() const { return shown_; }

private:
    MessageBoxes& boxes_;
    bool shown_ = false;
};

// Runs an event handler at the boundary; an error it raises goes to the error box. Returns
// false when the handler failed, in which case the program is to end.
template <typename Handler>
bool RunHandler(ErrorBox& box, Handler&& handler) {
    const auto run = [&] {
        std::forward<Handler>(handler)();
        return true;
    };
    return CatchAtBoundary(false, run, [&](const std::exception_ptr& error) { box.Show(error); });
}

}  // namespace zarn
