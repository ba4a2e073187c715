#include <gtest/gtest.h>

#include "birthdata/KeyFilters.h"

using namespace zodiora;

TEST(DigitFilter, PassesDigitsEnterAndBackspaceOnly)
{
    for (int code = '0'; code <= '9'; ++code) {
        const auto result = FilterDigitKey(code);
        EXPECT_EQ(result.code, code);
        EXPECT_FALSE(result.message.has_value());
    }
    // Enter goes on to the form, which proceeds, as from any other box.
    for (const int code : {8, 13}) {
        EXPECT_EQ(FilterDigitKey(code).code, code);
        EXPECT_FALSE(FilterDigitKey(code).message.has_value());
    }
    for (const int code : std::initializer_list<int>{' ', '-', '.', 'a', 'Z', '+', 0x00B0}) {
        const auto result = FilterDigitKey(code);
        EXPECT_EQ(result.code, 0) << "code " << code;
        ASSERT_TRUE(result.message.has_value()) << "code " << code;
        EXPECT_EQ(result.message->text, "Only Numbers Are Accepted");
        EXPECT_EQ(result.message->icon, MessageIcon::Error);
    }
}

TEST(LetterFilter, UpperCasesLettersAndPassesSpaceEnterBackspace)
{
    EXPECT_EQ(FilterLetterKey('a').code, 'A');
    EXPECT_EQ(FilterLetterKey('z').code, 'Z');
    EXPECT_EQ(FilterLetterKey('Q').code, 'Q');
    for (const int code : std::initializer_list<int>{' ', 13, 8}) {
        const auto result = FilterLetterKey(code);
        EXPECT_EQ(result.code, code);
        EXPECT_FALSE(result.message.has_value());
    }
}

TEST(LetterFilter, LettersOfAnyScriptCapitalsWhereTheScriptHasCase)
{
    EXPECT_EQ(FilterLetterKey(0x00E9).code, 0x00C9);  // é -> É
    EXPECT_EQ(FilterLetterKey(0x03C9).code, 0x03A9);  // ω -> Ω
    EXPECT_EQ(FilterLetterKey(0x0436).code, 0x0416);  // ж -> Ж
    EXPECT_EQ(FilterLetterKey(0x00DF).code, 0x00DF);  // ß has no one-letter capital: kept
    // Devanagari, Tamil, Han and a letter beyond the 16-bit plane have no case: kept as typed.
    for (const int code : std::initializer_list<int>{0x0915, 0x0BA4, 0x4E2D, 0x20000}) {
        const auto result = FilterLetterKey(code);
        EXPECT_EQ(result.code, code) << "code " << code;
        EXPECT_FALSE(result.message.has_value());
    }
    // Marks (a Devanagari vowel sign, virama, a combining acute), hyphens and apostrophes pass as keys;
    // where they stand is judged on the whole name.
    for (const int code : std::initializer_list<int>{0x093E, 0x094D, 0x0301, '-', '\'', 0x2010, 0x2019}) {
        EXPECT_EQ(FilterLetterKey(code).code, code) << "code " << code;
    }
}

TEST(LetterFilter, RefusesEverythingElseWithAnInformationMessage)
{
    for (const int code :
         std::initializer_list<int>{'.', '1', '@', 9, '"', '`', 0x0966 /* Devanagari digit 0 */, 0x0964 /* danda */,
                                    0x00AD /* soft hyphen */, 0x2014, 0xD800, 0x110000, -1}) {
        const auto result = FilterLetterKey(code);
        EXPECT_EQ(result.code, 0) << "code " << code;
        ASSERT_TRUE(result.message.has_value()) << "code " << code;
        EXPECT_EQ(result.message->text, "Please Enter only Letters");
        EXPECT_EQ(result.message->icon, MessageIcon::Information);
    }
}
