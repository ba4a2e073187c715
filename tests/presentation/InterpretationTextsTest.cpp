// The prose tables as built from interpretation.txt: every entry present,
// within its body's length range, opening as required, and original.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/InterpretationTexts.h"
#include "engine/SignNames.h"

namespace zodiora {
namespace {

struct BodyRule {
    std::string_view body;
    std::size_t minLength, maxLength;
    std::string_view ariesOpening;
    std::string_view generalOpening;
    std::size_t generalLength;
};

constexpr BodyRule Rules[10] = {
    {"Sun", 334, 456, "You will be highly active", "He can be good or evil", 759},
    {"Moon", 297, 430, "You are an adventurous person", "The moon is the planet most", 223},
    {"Mercury", 316, 456, "The influence of mercury", "Mercury governs the way that you", 67},
    {"Venus", 361, 462, "You tend to relate", "Venus is the planet that is", 93},
    {"Mars", 360, 446, "You will be an exceptionally", "This is where your assertiveness", 168},
    {"Jupiter", 361, 465, "You can excel in", "Where the house placement of Jupiter", 113},
    {"Saturn", 300, 429, "The placement of Saturn", "This is where people are likely", 111},
    {"Uranus", 232, 365, "You feel inspired at", "This planet shows which areas", 129},
    {"Neptune", 292, 426, "You do not have", "Neptune is very mystical and dreamlike", 101},
    {"Pluto", 320, 418, "The placement of Pluto", "Pluto is a very powerful planet", 61},
};

// Characters, not bytes: a translation may use letters outside ASCII.
std::size_t CharacterCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

std::string EntryName(int body, int sign)
{
    return std::string(Rules[body].body) + "/" + std::string(SignNames[sign]);
}

TEST(InterpretationTexts, EveryPlanetInSignParagraphKeepsItsBodysShape)
{
    for (int body = 0; body < 10; ++body) {
        const BodyRule& rule = Rules[body];
        for (int sign = 0; sign < 12; ++sign) {
            SCOPED_TRACE(EntryName(body, sign));
            const std::string_view text = PlanetInSignTexts[body][sign];
            ASSERT_FALSE(text.empty());
            EXPECT_FALSE(HasLineBreak(text));
            EXPECT_NE(text.front(), ' ');
            EXPECT_NE(text.back(), ' ');
            EXPECT_GE(CharacterCount(text), rule.minLength);
            EXPECT_LE(CharacterCount(text), rule.maxLength);
        }
        EXPECT_TRUE(PlanetInSignTexts[body][0].starts_with(rule.ariesOpening))
            << rule.body << " in Aries opens with: " << PlanetInSignTexts[body][0].substr(0, 40);
    }
}

TEST(InterpretationTexts, PlanetInSignParagraphsSpeakToTheReader)
{
    for (int body = 0; body < 10; ++body) {
        for (int sign = 0; sign < 12; ++sign) {
            std::string lower(PlanetInSignTexts[body][sign]);
            std::transform(lower.begin(), lower.end(), lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            EXPECT_NE(lower.find("you"), std::string::npos) << EntryName(body, sign);
        }
    }
}

TEST(InterpretationTexts, GeneralParagraphsHaveTheirOpeningAndExactLength)
{
    for (int body = 0; body < 10; ++body) {
        const BodyRule& rule = Rules[body];
        SCOPED_TRACE(std::string(rule.body));
        const std::string_view text = PlanetCharacteristics[body];
        EXPECT_TRUE(text.starts_with(rule.generalOpening)) << text;
        EXPECT_EQ(CharacterCount(text), rule.generalLength) << text;
        EXPECT_FALSE(HasLineBreak(text));
    }
}

std::vector<std::string_view> AllParagraphs()
{
    std::vector<std::string_view> all;
    for (const auto& body : PlanetInSignTexts) {
        all.insert(all.end(), body.begin(), body.end());
    }
    all.insert(all.end(), PlanetCharacteristics.begin(), PlanetCharacteristics.end());
    return all;
}

TEST(InterpretationTexts, NoTwoParagraphsAreIdentical)
{
    const std::vector<std::string_view> all = AllParagraphs();
    ASSERT_EQ(all.size(), 130u);
    const std::set<std::string_view> distinct(all.begin(), all.end());
    EXPECT_EQ(distinct.size(), all.size());
}

// Lower-case words with every sign and body name replaced by one marker, so
// that a paragraph copied with only the names changed reads the same.
std::vector<std::string> NeutralWords(std::string_view text)
{
    std::set<std::string> names;
    for (std::string_view name : SignNames) {
        names.emplace(name);
    }
    for (const BodyRule& rule : Rules) {
        names.emplace(rule.body);
    }
    std::set<std::string> lowerNames;
    for (std::string name : names) {
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        lowerNames.insert(name);
    }
    std::vector<std::string> words;
    std::string word;
    auto flush = [&] {
        if (!word.empty()) {
            words.push_back(lowerNames.count(word) ? "<name>" : word);
            word.clear();
        }
    };
    for (char c : text) {
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '\'') {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else {
            flush();
        }
    }
    flush();
    return words;
}

std::set<std::string> WordTriples(const std::vector<std::string>& words)
{
    std::set<std::string> triples;
    for (std::size_t i = 0; i + 2 < words.size(); ++i) {
        triples.insert(words[i] + ' ' + words[i + 1] + ' ' + words[i + 2]);
    }
    return triples;
}

// Share of word triples two paragraphs have in common, names neutralised:
// 0 for unrelated texts, 1 for the same text with other names.
double Resemblance(std::string_view a, std::string_view b)
{
    const std::set<std::string> first = WordTriples(NeutralWords(a));
    const std::set<std::string> second = WordTriples(NeutralWords(b));
    std::size_t shared = 0;
    for (const std::string& t : first) {
        shared += second.count(t);
    }
    const std::size_t together = first.size() + second.size() - shared;
    return together == 0 ? 1.0 : static_cast<double>(shared) / static_cast<double>(together);
}

TEST(InterpretationTexts, NoParagraphIsAnotherWithTheNamesSwapped)
{
    // Independently written paragraphs share a few stock phrases at most; a
    // templated one shares nearly all of its word triples.
    const std::vector<std::string_view> all = AllParagraphs();
    for (std::size_t a = 0; a < all.size(); ++a) {
        for (std::size_t b = a + 1; b < all.size(); ++b) {
            EXPECT_LT(Resemblance(all[a], all[b]), 0.5) << "paragraphs read alike:\n"
                                                       << all[a] << "\n"
                                                       << all[b];
        }
    }
}

TEST(InterpretationTexts, ResemblanceSeesThroughSwappedNames)
{
    // The originality check above is only worth having if it catches the
    // fault it is meant for: Saturn in Aries copied as Saturn in Libra.
    const std::string original(PlanetInSignTexts[6][0]);
    ASSERT_NE(original.find("Aries"), std::string::npos);
    std::string swapped = original;
    for (std::size_t at = swapped.find("Aries"); at != std::string::npos; at = swapped.find("Aries")) {
        swapped.replace(at, 5, "Libra");
    }
    EXPECT_DOUBLE_EQ(Resemblance(original, swapped), 1.0);
    EXPECT_LT(Resemblance(original, PlanetInSignTexts[6][6]), 0.5);
}

}  // namespace
}  // namespace zodiora
