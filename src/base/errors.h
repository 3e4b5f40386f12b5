#pragma once
// Untrapped run-time errors: a number and a description, shown in the program-wide error box.

#include <stdexcept>
#include <string>

namespace zarn {

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& description)
        : std::runtime_error(description), number_(number), description_(description) {}
    int number() const { return number_; }
    // Whole, even past a NUL that what() would stop at.
    const std::string& description() const { return description_; }

private:
    int number_;
    std::string description_;
};

namespace error {
inline constexpr int kInvalidCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kOutOfMemory = 7;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kFileNotFound = 53;

RuntimeError InvalidCall(const std::string& description = "Invalid procedure call or argument");
RuntimeError Overflow();
RuntimeError OutOfMemory();
RuntimeError TypeMismatch();
RuntimeError FileNotFound();
}  // namespace error

// "Run-time error '13':" + blank line + description.
std::string RunTimeErrorText(const RuntimeError& e);

}  // namespace zarn
