#include "base/errors.h"

namespace zarn {

namespace error {
RuntimeError InvalidCall(const std::string& description) { return {kInvalidCall, description}; }
RuntimeError Overflow() { return {kOverflow, "Overflow"}; }
RuntimeError OutOfMemory() { return {kOutOfMemory, "Out of memory"}; }
RuntimeError TypeMismatch() { return {kTypeMismatch, "Type mismatch"}; }
RuntimeError FileNotFound() { return {kFileNotFound, "File not found"}; }
}  // namespace error

std::string RunTimeErrorText(const RuntimeError& e) {
    return "Run-time error '" + std::to_string(e.number()) + "':\n\n" + e.description();
}

}  // namespace zarn
