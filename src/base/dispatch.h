#pragma once
// The one place where untrapped errors end: every event handler runs through here.

#include <exception>
#include <new>
#include <utility>

#include "base/errors.h"
#include "base/services.h"

namespace zarn {

// Runs a handler; an error it raises is shown in the error box. Returns false when
// the handler failed, in which case the program is to end with exit code 1.
template <typename Handler>
bool RunHandler(MessageBoxes& boxes, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const RuntimeError& e) {
        boxes.Show(ErrorBoxText(e), BoxStyle::Critical);
    } catch (const std::bad_alloc&) {
        boxes.Show(ErrorBoxText(RuntimeError(7, "Out of memory")), BoxStyle::Critical);
    } catch (const std::exception& e) {
        boxes.Show(ErrorBoxText(error::InvalidCall(e.what())), BoxStyle::Critical);
    }
    return false;
}

}  // namespace zarn
