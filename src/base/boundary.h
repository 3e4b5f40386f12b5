#pragma once
// The boundary that no exception may cross: window and subclass procedures, whose
// callers are the system's own frames, and the program's event handlers.

#include <exception>
#include <new>
#include <utility>

#include "base/errors.h"

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

}  // namespace zarn
