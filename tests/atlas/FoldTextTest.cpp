#include "atlas/FoldText.h"

#include <gtest/gtest.h>

using zodiora::atlas::FoldText;

TEST(FoldText, DropsCaseAndAccents)
{
    EXPECT_EQ(FoldText("Zürich"), "zurich");
    EXPECT_EQ(FoldText("São Paulo"), "sao paulo");
    EXPECT_EQ(FoldText("ŁÓDŹ"), "lodz");
    EXPECT_EQ(FoldText("Reykjavík"), "reykjavik");
    EXPECT_EQ(FoldText("Hà Nội"), "ha noi");  // Vietnamese letters of Latin Extended Additional
    EXPECT_EQ(FoldText("Ærøskøbing"), "aeroskobing");
    EXPECT_EQ(FoldText("Großenhain"), "grossenhain");
    EXPECT_EQ(FoldText("Şanlıurfa"), "sanliurfa");
}

TEST(FoldText, EvensOutPunctuationAndSpaces)
{
    EXPECT_EQ(FoldText("  Saint-Denis "), "saint denis");
    EXPECT_EQ(FoldText("St. John's"), "st johns");
    EXPECT_EQ(FoldText("N’Djamena"), "ndjamena");
    EXPECT_EQ(FoldText("Kal'kutta"), FoldText("kalkutta"));
    EXPECT_EQ(FoldText("new   york"), "new york");
    EXPECT_EQ(FoldText(" - "), "");
}

TEST(FoldText, LeavesOtherScriptsAndStrayBytesAlone)
{
    EXPECT_EQ(FoldText("Москва"), "Москва");
    EXPECT_EQ(FoldText("東京"), "東京");
    EXPECT_EQ(FoldText("A\xFF" "B"), "a\xFF" "b");
    EXPECT_EQ(FoldText("x\xC3"), "x\xC3");  // a sequence cut short
}
