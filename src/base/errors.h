#pragma once
// Untrapped run-time errors: a number and a description, shown in the program-wide error box.

#include <stdexcept>
#include <cstddef>
#include <string>
#include <string_view>

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

// A path as an error box shows it: control characters (a NUL, a line break),
// bidirectional controls (U+061C, U+200E, U+200F, U+202A-U+202E, U+2066-U+2069) and
// invisible format characters (U+200B, U+2060, U+FEFF) as U+FFFD; at most
// kShownPathMost characters, the middle elided with "…"; broken after a folder
// separator wherever a line would run past kShownPathLine characters (a longer name
// is broken where the line is full), so that no path makes the box larger than the
// screen, reorders its words or hides a character.
inline constexpr std::size_t kShownPathLine = 60;
inline constexpr std::size_t kShownPathMost = 300;
std::string ShownPath(std::string_view path);

// "Run-time error '13':" + blank line + description.
std::string ErrorBoxText(const RuntimeError& e);

}  // namespace zarn
