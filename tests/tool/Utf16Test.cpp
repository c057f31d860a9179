#include "tools/reg/Utf16.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(RegToolUtf16, ConvertsValidTextBothWays) {
    const std::string text =
        "Kennwort \xC3\xA4\xE2\x82\xAC \xF0\x9D\x84\x9E"; // ä € and a clef outside the BMP
    const std::u16string units = Utf8ToUtf16(text);
    EXPECT_EQ(units, u"Kennwort \u00E4\u20AC \U0001D11E");
    EXPECT_EQ(Utf16ToUtf8(units), text);
}

TEST(RegToolUtf16, InvalidBytesTravelAsSurrogateEscapes) {
    EXPECT_EQ(Utf8ToUtf16("a\xFF"), (std::u16string{u'a', char16_t(0xDCFF)}));
    EXPECT_EQ(Utf8ToUtf16("\xC3"), (std::u16string{char16_t(0xDCC3)}));                       // cut short
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), (std::u16string{char16_t(0xDCC0), char16_t(0xDCAF)})); // overlong
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80").size(), 3u);                                        // a surrogate
    EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80").size(), 4u); // above U+10FFFF
    // Lone surrogates that are no escapes are kept.
    EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xD800)}), "\xED\xA0\x80");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xDC41), u'x'}), "\xED\xB1\x81x");
}

TEST(RegToolUtf16, EveryByteSequenceComesBackUnchanged) {
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const std::string bytes = {char(first), char(second), '\x80', char(second ^ 0x40)};
            ASSERT_EQ(Utf16ToUtf8(Utf8ToUtf16(bytes)), bytes) << first << " " << second;
        }
    }
}

TEST(RegToolUtf16, ValidatesUtf8Strictly) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("M\xC3\xBCller \xF0\x9F\x94\x91"));
    EXPECT_FALSE(IsValidUtf8("M\xFCller")); // Windows-1252
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));
    EXPECT_FALSE(IsValidUtf8("\xED\xB2\x80"));
}
