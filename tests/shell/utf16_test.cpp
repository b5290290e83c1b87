// UTF-8 to UTF-16 and back: the Chinese of the screens, a character beyond the
// basic plane, and malformed text that must come through as U+FFFD, never fail.
#include <gtest/gtest.h>

#include "shell/utf16.h"

namespace entalix::shell {
namespace {

TEST(Utf16Test, WellFormedTextRoundTrips) {
    const std::string texts[] = {"", "0.0983", "１０．５", "150℃ 饱和参数", "\xF0\x9D\x84\x9E clef"};
    for (const std::string& text : texts) EXPECT_EQ(utf16_to_utf8(utf8_to_utf16(text)), text) << text;
    EXPECT_EQ(utf8_to_utf16("℃"), u"\u2103");
    // U+1D11E takes a surrogate pair.
    EXPECT_EQ(utf8_to_utf16("\xF0\x9D\x84\x9E"), u"\xD834\xDD1E");
}

TEST(Utf16Test, MalformedTextBecomesReplacementCharacters) {
    // A stray continuation byte, a sequence cut short at the end, an overlong
    // slash, an encoded surrogate, a value past U+10FFFF.
    EXPECT_EQ(utf8_to_utf16("a\x80z"), u"a\uFFFDz");
    EXPECT_EQ(utf8_to_utf16("1\xE5\x8E"), u"1\uFFFD\uFFFD");
    EXPECT_EQ(utf8_to_utf16("\xC0\xAF"), u"\uFFFD\uFFFD");
    EXPECT_EQ(utf8_to_utf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(utf8_to_utf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
    // Unpaired surrogates from UTF-16, alone, reversed, at the end.
    EXPECT_EQ(utf16_to_utf8(u"x\xDC00y"), "x\xEF\xBF\xBDy");
    EXPECT_EQ(utf16_to_utf8(u"\xDD1E\xD834"), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
}  // namespace entalix::shell
