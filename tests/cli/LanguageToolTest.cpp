#include <gtest/gtest.h>

#include "ToolRun.h"
#include "cli/TextWords.h"

using namespace zodiora::cli;
using namespace zodiora::cli::test;

TEST(LanguageTool, HindiTextHasHindiNamesAndLabels)
{
    const Result hindi = RunTool(With(Delhi1980, {"--lang", "hi", "--vedic"}));
    ASSERT_EQ(hindi.status, 0) << hindi.err;
    // 1980-06-15 06:30 IST, Delhi: Gemini rises, the Moon in Leo (the same chart in English says so).
    const Result english = RunTool(With(Delhi1980, {"--vedic"}));
    EXPECT_NE(english.out.find("Lagna (Ascendant) : Gemini (Mithuna)"), std::string::npos) << english.out;
    EXPECT_NE(hindi.out.find("  लग्न       : मिथुन\n"), std::string::npos) << hindi.out;
    EXPECT_NE(hindi.out.find("जन्म तिथि"), std::string::npos);
    EXPECT_NE(hindi.out.find("15 जून 1980"), std::string::npos);
    EXPECT_NE(hindi.out.find("28° 37' उत्तर"), std::string::npos);
    for (const char* word : {"मेष", "वृषभ", "सूर्य", "चन्द्र", "नक्षत्र", "नवांश (D9)", "विंशोत्तरी दशा"}) {
        EXPECT_NE(hindi.out.find(word), std::string::npos) << word;
    }
    for (const char* english : {"Aries", "Taurus", "Sun", "Moon", "Jupiter", "Planetary", "Houses", "Nakshatras"}) {
        EXPECT_EQ(hindi.out.find(english), std::string::npos) << english;
    }
    // Names, places and numbers are kept as given.
    EXPECT_NE(hindi.out.find("ASHA"), std::string::npos);
    EXPECT_NE(hindi.out.find("New Delhi"), std::string::npos);
}

TEST(LanguageTool, JsonAndCsvStayEnglishByteForByte)
{
    for (const char* format : {"json", "csv"}) {
        const Result plain = RunTool(With(Delhi1980, {"--format", format, "--report"}));
        ASSERT_EQ(plain.status, 0) << plain.err;
        for (const char* language : {"en", "hi"}) {
            const Result chosen =
                RunTool(With(Delhi1980, {"--format", format, "--report", "--lang", language, "--sanskrit", "beside"}));
            EXPECT_EQ(chosen.out, plain.out) << format << " " << language;
        }
    }
    // English chosen outright is the default output.
    EXPECT_EQ(RunTool(With(Delhi1980, {"--lang", "en", "--vedic"})).out, RunTool(With(Delhi1980, {"--vedic"})).out);
}

TEST(LanguageTool, SanskritNamesBesideOrInsteadOfEnglish)
{
    const Result beside = RunTool(With(Delhi1980, {"--sanskrit", "beside"}));
    EXPECT_NE(beside.out.find("Lagna (Ascendant) : Gemini (Mithuna)"), std::string::npos) << beside.out;
    EXPECT_NE(beside.out.find("Sun (Surya)"), std::string::npos);
    const Result instead = RunTool(With(Delhi1980, {"--sanskrit", "instead"}));
    EXPECT_NE(instead.out.find("Lagna (Ascendant) : Mithuna\n"), std::string::npos) << instead.out;
    EXPECT_EQ(instead.out.find("Gemini"), std::string::npos);
    EXPECT_EQ(RunTool(With(Delhi1980, {"--lang", "ta"})).status, 2);
}

TEST(TextColumns, CountsWhatATerminalShows)
{
    EXPECT_EQ(TextColumns("Sagittarius"), 11u);
    EXPECT_EQ(TextColumns("राम"), 3u);      // र, the aa sign (spacing), म
    EXPECT_EQ(TextColumns("कृष्ण"), 3u);    // क + vocalic r sign, ष + virama, ण
    EXPECT_EQ(TextColumns("सूर्य"), 3u);    // स + uu sign, र + virama, य
    EXPECT_EQ(TextColumns("°"), 1u);
    std::string padded;
    AppendPadded(padded, "राम", 5);
    EXPECT_EQ(padded, "राम  ");
}
