#include <gtest/gtest.h>

#include "birthdata/NameText.h"
#include "birthdata/UnicodeText.h"

using namespace zodiora;

TEST(UnicodeText, ComposesDecomposedLetters)
{
    EXPECT_EQ(ComposedText("JOSE\xcc\x81"), "JOS\xc3\x89");                // E + U+0301 -> É
    EXPECT_EQ(ComposedText("\xe0\xa4\x95\xe0\xa4\xbc"), "\xe0\xa4\x95\xe0\xa4\xbc");  // क + nukta: excluded from composition
    EXPECT_EQ(ComposedText("ASHA"), "ASHA");
    EXPECT_EQ(ComposedText("\xff"), "\xff");  // not UTF-8: kept as it is
    // The name box's check gives one stored form for both ways of typing.
    EXPECT_EQ(CheckNameText("jose\xcc\x81").name, CheckNameText("JOSÉ").name);
    EXPECT_EQ(CheckNameText("Zoe\xcc\x88").name, "ZOË");
}

TEST(UnicodeText, FoldsCaseInEveryScript)
{
    EXPECT_EQ(FoldedText("JOSÉ"), FoldedText("josé"));
    EXPECT_EQ(FoldedText("JOSE\xcc\x81"), FoldedText("josé"));  // however the accent was typed
    EXPECT_EQ(FoldedText("ΣΩΚΡΆΤΗΣ"), FoldedText("σωκράτης"));   // final sigma too
    EXPECT_EQ(FoldedText("ИВАН"), FoldedText("иван"));
    EXPECT_EQ(FoldedText("STRASSE"), FoldedText("straße"));
    EXPECT_EQ(FoldedText("राम"), "राम");  // no case: unchanged
    EXPECT_NE(FoldedText("JOSE"), FoldedText("JOSÉ"));  // an accent is not case
    EXPECT_TRUE(ContainsFolded("MARÍA JOSÉ", "josé"));
    EXPECT_TRUE(ContainsFolded("ПЁТР", "пётр"));
    EXPECT_TRUE(ContainsFolded("anything", ""));
    EXPECT_FALSE(ContainsFolded("JOSE", "josé"));
}
