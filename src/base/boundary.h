#pragma once
// The boundary that no exception may cross (window and subclass procedures, the program's
// event handlers), and the program's error box, where the untrapped errors that reach it end.

#include <exception>
#include <new>
#include <utility>

#include "base/errors.h"
#include "base/message_boxes.h"

namespace zarn {

// The run-time error that a caught exception stands for in the error box.
inline RuntimeError UntrappedError(const std::exception_ptr& caught) {
    try {
        std::rethrow_exception(caught);
    } catch (const RuntimeError& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return error::OutOfMemory();
    } catch (const std::exception& e) {
        return error::InvalidCall(e.what());
    } catch (...) {
        return error::InvalidCall();
    }
}

// Runs the body of a window or subclass procedure, which no exception may leave: the
// system's own frames lie between it and any handler. What the body raises is handed to
// onError, and fallback is answered in place of the body's result.
template <typename Result, typename Body, typename OnError>
Result CatchAtBoundary(Result fallback, Body&& body, OnError&& onError) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        try {
            std::forward<OnError>(onError)(std::current_exception());
        } catch (...) {
            // The report failed as well (no memory left for the box): nothing is left to tell the user with.
        }
    }
    return fallback;
}

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
    bool shown() const { return shown_; }

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
