#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <regex>
#include <set>

#include "ToolRun.h"
#include "cli/TextWords.h"
#include "presentation/MatchPhrases.h"

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

namespace {

// Every Latin word of three letters or more in `text`, except the allowed
// ones and a command-line option with its value ("--ephemeris precise").
std::vector<std::string> LatinWords(const std::string& text, const std::set<std::string>& allowed)
{
    static const std::regex option("--[a-z-]+ [a-z]+");
    static const std::regex word("[A-Za-z]{3,}");
    const std::string plain = std::regex_replace(text, option, "");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(plain.begin(), plain.end(), word); it != std::sregex_iterator(); ++it) {
        if (!allowed.contains(it->str())) found.push_back(it->str());
    }
    return found;
}

// The holes of a pattern by value index: "{} to {}" is {0, 1}, "{1} ... {0}" is {0, 1}.
std::multiset<int> Holes(std::string_view pattern)
{
    std::multiset<int> holes;
    int next = 0;
    for (std::size_t at = pattern.find('{'); at != std::string_view::npos; at = pattern.find('{', at + 1)) {
        if (at + 1 < pattern.size() && pattern[at + 1] == '}') holes.insert(next++);
        if (at + 2 < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[at + 1])) && pattern[at + 2] == '}') {
            holes.insert(pattern[at + 1] - '0');
            ++next;
        }
    }
    return holes;
}

}  // namespace

// The person's, places' and time zones' names are kept as given; everything
// else of every text part is Hindi.
TEST(LanguageTool, HindiTextHasNoEnglishWordsLeft)
{
    const std::filesystem::path library =
        std::filesystem::temp_directory_path() /
        ("zodiora-hindi-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".sqlite");
    std::filesystem::remove(library);
    for (const auto& [name, city] : {std::pair{"ravi", "Mumbai"}, std::pair{"sita", "Chennai"}}) {
        const Result added = RunTool({"--library", "add", "--name", name, "--date", "1985-11-12", "--time", "07:30",
                                      "--zone", "34", "--lat", "19:04N", "--lon", "72:53E", "--city", city,
                                      "--library-file", library.string()});
        ASSERT_EQ(added.status, 0) << added.err;
    }
    const std::set<std::string> allowed{"ASHA", "New", "Delhi", "India", "Indian", "Time", "IST",
                                        "RAVI", "SITA", "Mumbai", "Chennai"};
    const std::vector<std::vector<std::string>> runs{
        With(Delhi1980, {"--lang", "hi", "--vedic", "--dasha-levels", "5", "--dasha-at", "2030-01-01", "--with",
                         "vargas,kp,dignity,ashtakavarga,shadbala,margins,panchang", "--transit",
                         "2031-05-17T06:30:00Z", "--report"}),
        With(Delhi1980, {"--lang", "hi", "--dasha-at", "1970-01-01", "--with", "margins,panchang", "--ephemeris",
                         "precise", "--node", "true", "--ayanamsa", "true-chitra", "--dst"}),
        {"--lang", "hi", "--match", "RAVI", "SITA", "--library-file", library.string()},
    };
    for (const auto& arguments : runs) {
        const Result hindi = RunTool(arguments);
        ASSERT_EQ(hindi.status, 0) << hindi.err;
        std::string text = hindi.out;
        // The report's prose stays English until a translation of it is reviewed.
        const std::size_t report = text.find("\nराशियों में ग्रह\n");
        if (report != std::string::npos) text.resize(report);
        EXPECT_EQ(LatinWords(text, allowed), std::vector<std::string>{}) << text;
    }
    std::filesystem::remove(library);
}

// Each Hindi phrase has the English one's values, however it orders them.
TEST(LanguageTool, HindiPhrasesFillTheSameValues)
{
    using zodiora::vocabulary::Language;
    for (const zodiora::PhraseTable table : {TextPhrases(Language::Hindi), zodiora::MatchPhrases(Language::Hindi)}) {
        ASSERT_FALSE(table.empty());
        std::set<std::string_view> keys;
        for (const auto& [english, hindi] : table) {
            EXPECT_TRUE(keys.insert(english).second) << "twice: " << english;
            EXPECT_EQ(Holes(english), Holes(hindi)) << english << " | " << hindi;
        }
    }
    EXPECT_TRUE(TextPhrases(Language::English).empty());
    EXPECT_EQ(zodiora::FillPattern("{1} before {0}", {"a", "b"}), "b before a");
    EXPECT_EQ(zodiora::FillPattern("{} to {}", {"a", "b"}), "a to b");
}

namespace {

// The lines of `text` from the one after `heading` up to the next blank line.
std::vector<std::string> TableAfter(const std::string& text, const std::string& heading)
{
    std::vector<std::string> lines;
    std::size_t at = text.find("\n" + heading);
    if (at == std::string::npos) return lines;
    at = text.find('\n', at + 1) + 1;
    while (at < text.size() && text[at] != '\n') {
        const std::size_t end = text.find('\n', at);
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

}  // namespace

// Right-aligned tables end every row in the same terminal column, heads too,
// however wide their Devanagari words are.
TEST(LanguageTool, HindiTablesLineUpAsATerminalShowsThem)
{
    const Result hindi = RunTool(With(Delhi1980, {"--lang", "hi", "--with", "ashtakavarga,shadbala"}));
    ASSERT_EQ(hindi.status, 0) << hindi.err;
    for (const std::string heading : {"अष्टकवर्ग (", "षड्बल, "}) {
        const std::vector<std::string> rows = TableAfter(hindi.out, heading);
        ASSERT_GE(rows.size(), 8u) << heading << hindi.out;
        for (const std::string& row : rows) {
            EXPECT_EQ(TextColumns(row), TextColumns(rows.front())) << row << "\n" << rows.front();
        }
    }
    // Sanskrit names reach the sections too.
    const Result sanskrit = RunTool(With(Delhi1980, {"--sanskrit", "instead", "--with", "kp,dignity,shadbala"}));
    EXPECT_NE(sanskrit.out.find("  Surya "), std::string::npos) << sanskrit.out;
    EXPECT_EQ(sanskrit.out.find("Jupiter"), std::string::npos) << sanskrit.out;
}
