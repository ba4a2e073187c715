#include <gtest/gtest.h>

#include "birthdata/NameText.h"

using namespace zodiora;

TEST(NameText, TakesLettersAndSpacesInCapitals)
{
    const NameCheck check = CheckNameText("mary Jane");
    EXPECT_EQ(check.name, "MARY JANE");
    EXPECT_FALSE(check.problem.has_value());
}

TEST(NameText, RefusesWhatTheNameBoxRefuses)
{
    using namespace std::string_literals;
    for (const std::string& name : {"mary-jane 2nd <b>O'Neil</b>"s, "ANN\r"s, "ANN\b"s, "ANN\n"s, "\xff\xfe"s,
                                   "ZO\xc3\xab"s, "ANN\0"s}) {
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
