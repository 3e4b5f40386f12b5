#include <gtest/gtest.h>

#include "base/numbers.h"
#include "fakes.h"

namespace zarn {
namespace {

int ErrorNumberOf(std::string_view text) {
    return fake::ErrorOf([&] { ToInteger16(text); }).number();
}

TEST(ToInteger16, ConvertsWholeNumbersInRange) {
    const std::pair<const char*, int> cases[] = {
        {"1024", 1024}, {"016", 16}, {"32767", 32767}, {"-32768", -32768}, {" 16 ", 16}};
    for (const auto& [text, value] : cases) EXPECT_EQ(ToInteger16(text), value) << text;
}

TEST(ToInteger16, TextThatIsNoNumberIsATypeMismatch) {
    for (const char* text : {"", " ", "abc", "16bit", "1.5", "+", "1 6"}) EXPECT_EQ(ErrorNumberOf(text), 13) << text;
}

TEST(ToInteger16, NumbersOutsideSixteenBitsOverflow) {
    for (const char* text : {"32768", "-32769", "65536", "99999999999999999999999999"})
        EXPECT_EQ(ErrorNumberOf(text), 6) << text;
}

}  // namespace
}  // namespace zarn
