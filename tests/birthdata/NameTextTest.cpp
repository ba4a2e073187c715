#include <gtest/gtest.h>

#include "birthdata/NameText.h"

using namespace zodiora;

TEST(NameText, TakesLettersAndSpacesInCapitals)
{
    const NameCheck check = CheckNameText("mary Jane");
    EXPECT_EQ(check.name, "MARY JANE");
    EXPECT_FALSE(check.problem.has_value());
}

TEST(NameText, TakesTheLettersOfAnyScript)
{
    const std::pair<const char*, const char*> cases[] = {
        {"राम", "राम"},                           // र + vowel sign ा (a spacing mark) + म
        {"श्रीनिवास", "श्रीनिवास"},                 // virama and a conjunct
        {"josé", "JOSÉ"},                        // precomposed é
        {"jose\xcc\x81", "JOS\xc3\x89"},         // e + combining acute: stored composed, as JOSÉ
        {"Ζωή", "ΖΩΉ"},
        {"jean-luc", "JEAN-LUC"},
        {"o'brien", "O'BRIEN"},
        {"o\xe2\x80\x99" "brien", "O\xe2\x80\x99" "BRIEN"},  // typographic apostrophe U+2019
        {"राम-लाल", "राम-लाल"},                   // a hyphen after a vowel sign
        {"ANNE-MARIE O'NEIL", "ANNE-MARIE O'NEIL"},
    };
    for (const auto& [typed, kept] : cases) {
        const NameCheck check = CheckNameText(typed);
        EXPECT_FALSE(check.problem.has_value()) << typed;
        EXPECT_EQ(check.name, kept);
    }
}

TEST(NameText, RefusesWhatTheNameBoxRefuses)
{
    using namespace std::string_literals;
    for (const std::string& name :
         {"mary-jane 2nd <b>O'Neil</b>"s, "ANN\r"s, "ANN\b"s, "ANN\n"s, "\xff\xfe"s, "ZO\xc3"s, "ANN\0"s,
          "mary jane2"s, "ANN\t"s, "राम१"s /* Devanagari digit */, "राम।"s /* danda */}) {
        const NameCheck check = CheckNameText(name);
        ASSERT_TRUE(check.problem.has_value()) << name;
        EXPECT_EQ(check.problem->text, "Please Enter only Letters");
        EXPECT_EQ(check.problem->icon, MessageIcon::Information);
        EXPECT_TRUE(check.name.empty());
    }
}

TEST(NameText, LengthLimitCountsCharactersNotBytes)
{
    EXPECT_FALSE(NameLengthProblem(std::string(60, 'A')).has_value());
    const auto problem = NameLengthProblem(std::string(61, 'A'));
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->text, "A name can have at most 60 characters");
    EXPECT_EQ(problem->focus, FormField::Name);
    // Sixty two-byte letters are sixty characters.
    std::string accented;
    for (int k = 0; k < 60; ++k) accented += "\xc3\xab";
    EXPECT_FALSE(NameLengthProblem(accented).has_value());
    EXPECT_TRUE(NameLengthProblem(accented + "A").has_value());
}

TEST(NameText, HyphensApostrophesAndMarksOnlyNextToLetters)
{
    using namespace std::string_literals;
    for (const std::string& name :
         {"-ANN"s, "ANN-"s, "-"s, "'"s, "O''BRIEN"s, "JEAN--LUC"s, "JEAN-'LUC"s, "ANN - LEE"s, "ANN -LEE"s,
          "ANN- LEE"s, "\xcc\x81" "ANN"s /* a combining acute first */, "ANN \xcc\x81"s /* after a space */,
          "\xe0\xa4\xbe" "र"s /* a vowel sign first */, "O'-BRIEN"s}) {
        const NameCheck check = CheckNameText(name);
        ASSERT_TRUE(check.problem.has_value()) << name;
        EXPECT_EQ(check.problem->text, "Please Enter only Letters");
        EXPECT_TRUE(check.name.empty());
    }
}
