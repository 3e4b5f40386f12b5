#include <gtest/gtest.h>

#include "base/wtf8.h"

namespace zarn {
namespace {

TEST(Wtf8, EveryUtf16TextComesBackUnchangedUnpairedSurrogatesIncluded) {
    const std::u16string texts[] = {u"",
                                    u"plain",
                                    u"caf\u00e9 \u6e38\u620f",
                                    u"\U0001F3AE",
                                    std::u16string(1, char16_t(0xD800)),
                                    std::u16string{0xDC00, u'x', 0xD83C},
                                    std::u16string{0xDBFF, 0xDBFF, 0xDFFF}};
    for (const auto& t : texts) {
        const std::string inner = Utf16ToWtf8(t);
        EXPECT_EQ(Wtf8ToUtf16(inner), t);
        EXPECT_EQ(Utf16Length(inner), t.size());
    }
    EXPECT_EQ(Utf16ToWtf8(std::u16string(1, char16_t(0xD800))), "\xED\xA0\x80");
    EXPECT_EQ(Wtf8ToUtf16(std::string{'a', '\xFF', 'b', '\xC3'}), u"a\uFFFDb\uFFFD");  // stray bytes never vanish
}

}  // namespace
}  // namespace zarn
