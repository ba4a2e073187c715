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

TEST(LetterFilter, RefusesEverythingElseWithAnInformationMessage)
{
    for (const int code : std::initializer_list<int>{'-', '.', '1', '\'', '@', 9, 0x00E9, 0x0915}) {
        const auto result = FilterLetterKey(code);
        EXPECT_EQ(result.code, 0) << "code " << code;
        ASSERT_TRUE(result.message.has_value()) << "code " << code;
        EXPECT_EQ(result.message->text, "Please Enter only Letters");
        EXPECT_EQ(result.message->icon, MessageIcon::Information);
    }
}
