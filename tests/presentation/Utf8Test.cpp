#include "presentation/Utf8.h"

#include <gtest/gtest.h>

namespace zodiora {
namespace {

TEST(Utf8, ValidTextIsKeptAndEachBadByteReplaced)
{
    EXPECT_EQ(ValidUtf8("caf\xC3\xA9 \xF0\x9F\x98\x80 \xEF\xBF\xBD"), "caf\xC3\xA9 \xF0\x9F\x98\x80 \xEF\xBF\xBD");
    EXPECT_EQ(ValidUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(ValidUtf8("\xC3"), "\xEF\xBF\xBD");                                   // cut short
    EXPECT_EQ(ValidUtf8("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");                   // overlong
    EXPECT_EQ(ValidUtf8("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // surrogate
    EXPECT_EQ(ValidUtf8(std::string_view("\0x", 2)), std::string("\0x", 2));
}

TEST(Utf8, ControlCharactersAreEscapedAsJsonDoes)
{
    EXPECT_EQ(EscapeControls("a\x1b[2J\r\n\t\b\f\x7f"), "a\\u001b[2J\\r\\n\\t\\b\\f\\u007f");
    EXPECT_EQ(EscapeControls("\xC2\x9B" "31m"), "\\u009b31m");  // C1 CSI
    EXPECT_EQ(EscapeControls("Gen\xC3\xA8ve \\ 'x'"), "Gen\xC3\xA8ve \\ 'x'");
}

}  // namespace
}  // namespace zodiora
