// The interpretation report: sign look-up from the longitudes, readings
// that persist between charts, and the 110 formatted pieces.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "presentation/Interpretation.h"
#include "presentation/InterpretationTexts.h"
#include "engine/PositionText.h"
#include "RecordingSink.h"

namespace zodiora {
namespace {

using test::RecordedPiece;
using test::RecordingSink;

constexpr const char* CrLf = "\r\n";

/// The longitude a short position text stands for ("16 Sag 31"); NaN, which
/// names no sign, for anything else.
double LongitudeOf(const std::string& text)
{
    for (int sign = 0; sign < 12; ++sign) {
        if (text.size() == 9 && text.substr(3, 3) == SignAbbreviation(sign) && text[2] == ' ' && text[6] == ' ') {
            return sign * 30 + std::stoi(text.substr(0, 2)) + std::stoi(text.substr(7, 2)) / 60.0;
        }
    }
    return std::numeric_limits<double>::quiet_NaN();
}

/// A chart whose Sun..Pluto stand where the given short position texts say.
Chart ChartAt(const std::array<std::string, 10>& bodies)
{
    Chart chart;
    for (int k = 0; k < 10; ++k) {
        chart.longitudes[k] = LongitudeOf(bodies[k]);
    }
    chart.longitudes[IndexOf(Body::Ascendant)] = 12.1;
    return chart;
}

/// Every body in the same sign, written as the engine writes short texts.
Chart AllIn(const std::string& abbreviation)
{
    std::array<std::string, 10> texts;
    texts.fill("07 " + abbreviation + " 42");
    return ChartAt(texts);
}

const std::array<std::string, 10> MixedSigns = {
    "16 Sag 31", "03 Can 12", "29 Vir 59", "00 Vir 00", "11 Cap 07",
    "22 Can 45", "05 Lib 30", "18 Leo 02", "09 Sco 14", "27 Vir 01"};

std::vector<RecordedPiece> Record(const Chart& chart, InterpretationState& state)
{
    UpdateReadings(chart, state);
    RecordingSink sink;
    WriteReport(ComposeInterpretation(state), sink);
    return sink.pieces;
}

std::string ComposePlainReport(const Chart& chart, InterpretationState& state)
{
    UpdateReadings(chart, state);
    return PlainText(ComposeInterpretation(state));
}

TEST(ComposeInterpretation, SagittariusSunGetsItsWholeSection)
{
    InterpretationState state;
    const std::string report = ComposePlainReport(ChartAt(MixedSigns), state);

    const std::string expected = std::string("Sun In Sagittarius\r\n") + std::string(PlanetInSignTexts[0][8]) +
                                 "\r\n\r\nCharacteristics Of Planet Sun :-\r\n" +
                                 std::string(PlanetCharacteristics[0]) +
                                 "\r\n\r\nMore About Sign :-\r\n\r\n"
                                 "Keywords :-\r\nAdventurous, Extrovert, Philosophical\r\n\r\n"
                                 "Element :-\r\nFire\r\n\r\n"
                                 "Ruling Planet :-\r\nJupiter\r\n\r\n\r\n"
                                 "Moon In Cancer\r\n";
    EXPECT_EQ(report.substr(0, expected.size()), expected);

    const BodyReading& sun = state.readings[0];
    EXPECT_EQ(sun.signName, "Sagittarius");
    EXPECT_EQ(sun.paragraph, PlanetInSignTexts[0][8]);
    EXPECT_EQ(sun.keywords, "Adventurous, Extrovert, Philosophical");
    EXPECT_EQ(sun.element, "Fire");
    EXPECT_EQ(sun.ruler, "Jupiter");
}

TEST(ComposeInterpretation, EveryAbbreviationFindsItsSignTexts)
{
    struct Sign {
        const char* abbreviation;
        const char* name;
        const char* keywords;
        const char* element;
        const char* ruler;
    };
    const Sign signs[12] = {
        {"Ari", "Aries", "Pioneer, Assertive, Energetic", "Fire", "Mars"},
        {"Tau", "Taurus", "Determined, Stable, Sensual", "Earth", "Venus"},
        {"Gem", "Gemini", "Curious, Intelligent, Congenial", "Air", "Mercury"},
        {"Can", "Cancer", "Protective, Cautious, Intuitive ", "Water", "The Moon"},
        {"Leo", "Leo", "Generous, Enthusiastic, Social", "Fire", "The Sun"},
        {"Vir", "Virgo", "Modest, Critical, Methodical", "Earth", "Mercury"},
        {"Lib", "Libra", "Pleasant, Sociable, Diplomatic", "Air", "Venus"},
        {"Sco", "Scorpio", "Secretive, Possessive, Investigative", "Water", "Pluto and Mars"},
        {"Sag", "Sagittarius", "Adventurous, Extrovert, Philosophical", "Fire", "Jupiter"},
        {"Cap", "Capricorn", "Serious, Ambitious, Disciplined", "Earth", "Saturn"},
        {"Aqu", "Aquarius", "Intelligent, Innovative, Individualistic", "Air", "Uranus and Saturn"},
        {"Pis", "Pisces", "Sensitive, Compassionate, Introspective", "Water", "Neptune and Jupiter"},
    };
    const char* headings[10] = {"Sun In ",     "Moon In ",   "Mercury In ", "Venus In ",  "Mars In ",
                                "Jupiter In ", "Saturn In ", "Uranus In ",  "Neptune In ", "Pluto In "};
    for (int s = 0; s < 12; ++s) {
        SCOPED_TRACE(signs[s].name);
        InterpretationState state;
        const std::vector<RecordedPiece> pieces = Record(AllIn(signs[s].abbreviation), state);
        ASSERT_EQ(pieces.size(), 110u);
        for (int k = 0; k < 10; ++k) {
            const RecordedPiece* section = &pieces[11 * k];
            EXPECT_EQ(section[0].text, std::string(headings[k]) + signs[s].name + CrLf);
            EXPECT_EQ(section[1].text, std::string(PlanetInSignTexts[k][s]) + CrLf + CrLf);
            EXPECT_EQ(section[6].text, std::string(signs[s].keywords) + CrLf + CrLf);
            EXPECT_EQ(section[8].text, std::string(signs[s].element) + CrLf + CrLf);
            EXPECT_EQ(section[10].text, std::string(signs[s].ruler) + (k == 9 ? "" : "\r\n\r\n\r\n"));
        }
    }
}

TEST(ComposeInterpretation, CancerKeywordsKeepTheirTrailingSpace)
{
    InterpretationState state;
    const std::string report = ComposePlainReport(ChartAt(MixedSigns), state);
    // The Moon is in Cancer: its keywords end in a blank before the breaks.
    EXPECT_NE(report.find("Keywords :-\r\nProtective, Cautious, Intuitive \r\n\r\nElement :-\r\nWater\r\n\r\n"
                          "Ruling Planet :-\r\nThe Moon\r\n\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(state.readings[1].keywords, "Protective, Cautious, Intuitive ");
}

TEST(ComposeInterpretation, OnlyTheLastSectionEndsWithoutLineBreaks)
{
    InterpretationState state;
    const std::vector<RecordedPiece> pieces = Record(ChartAt(MixedSigns), state);
    ASSERT_EQ(pieces.size(), 110u);
    for (int k = 0; k < 9; ++k) {
        const std::string& ruler = pieces[11 * k + 10].text;
        ASSERT_GE(ruler.size(), 7u);
        EXPECT_EQ(ruler.substr(ruler.size() - 6), "\r\n\r\n\r\n") << "section " << k;
        EXPECT_NE(ruler.substr(ruler.size() - 7, 1), "\n") << "section " << k << " has a fourth break";
    }
    // Pluto in Virgo: the report's very last characters are its ruler.
    EXPECT_EQ(pieces.back().text, "Mercury");
    const std::string report = ComposePlainReport(ChartAt(MixedSigns), state);
    EXPECT_TRUE(report.ends_with("Ruling Planet :-\r\nMercury"));
}

TEST(ComposeInterpretation, BodiesInOneSignShareSignTextsButNotParagraphs)
{
    InterpretationState state;
    ComposePlainReport(ChartAt(MixedSigns), state);
    // Mercury, Venus and Pluto are all in Virgo.
    for (int k : {3, 9}) {
        EXPECT_EQ(state.readings[k].signName, "Virgo");
        EXPECT_EQ(state.readings[k].keywords, state.readings[2].keywords);
        EXPECT_EQ(state.readings[k].element, state.readings[2].element);
        EXPECT_EQ(state.readings[k].ruler, state.readings[2].ruler);
        EXPECT_NE(state.readings[k].paragraph, state.readings[2].paragraph);
    }
    EXPECT_EQ(state.readings[2].keywords, "Modest, Critical, Methodical");
    EXPECT_EQ(state.readings[2].paragraph, PlanetInSignTexts[2][5]);
    EXPECT_EQ(state.readings[3].paragraph, PlanetInSignTexts[3][5]);
}

TEST(ComposeInterpretation, UnmatchedPositionKeepsThePreviousReading)
{
    InterpretationState state;
    ComposePlainReport(ChartAt(MixedSigns), state);
    const InterpretationState before = state;

    // Lower case, too short, empty, shifted by a blank, and a trimmed text
    // that would match only if the field were cut differently.
    std::array<std::string, 10> next = {"16 sag 31", "03 Ca", "", " 16 Sag 31", "11Cap07",
                                        "01 Ari 01", "02 Ari 02", "03 Ari 03", "04 Ari 04", "05 Ari 05"};
    const std::vector<RecordedPiece> pieces = Record(ChartAt(next), state);

    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(state.readings[k].signName, before.readings[k].signName);
        EXPECT_EQ(state.readings[k].paragraph, before.readings[k].paragraph);
        EXPECT_EQ(state.readings[k].keywords, before.readings[k].keywords);
        EXPECT_EQ(state.readings[k].ruler, before.readings[k].ruler);
    }
    EXPECT_EQ(pieces[0].text, "Sun In Sagittarius\r\n");
    EXPECT_EQ(pieces[11].text, "Moon In Cancer\r\n");
    EXPECT_EQ(pieces[11 + 1].text, std::string(PlanetInSignTexts[1][3]) + "\r\n\r\n");
    // The bodies that did name a sign moved to Aries.
    for (int k = 5; k < 10; ++k) {
        EXPECT_EQ(state.readings[k].signName, "Aries");
        EXPECT_EQ(state.readings[k].paragraph, PlanetInSignTexts[k][0]);
        EXPECT_EQ(state.readings[k].ruler, "Mars");
    }
}

TEST(ComposeInterpretation, FirstChartWithUnreadablePositionsWritesEmptyReadings)
{
    InterpretationState state;
    std::array<std::string, 10> texts;
    texts.fill("xx");
    const std::vector<RecordedPiece> pieces = Record(ChartAt(texts), state);
    ASSERT_EQ(pieces.size(), 110u);
    EXPECT_EQ(pieces[0].text, "Sun In \r\n");
    EXPECT_EQ(pieces[1].text, "\r\n\r\n");
    EXPECT_EQ(pieces[3].text, std::string(PlanetCharacteristics[0]) + "\r\n\r\n");
    EXPECT_EQ(pieces[6].text, "\r\n\r\n");
    EXPECT_EQ(pieces.back().text, "");
}

TEST(ComposeInterpretation, PiecesCarryTheirWeightAndColour)
{
    InterpretationState state;
    const std::vector<RecordedPiece> pieces = Record(ChartAt(MixedSigns), state);
    ASSERT_EQ(pieces.size(), 110u);

    struct Format {
        bool bold;
        int red, green, blue;
    };
    constexpr Format LightBlue{true, 0, 0, 255};
    constexpr Format Title{true, 128, 0, 0};
    constexpr Format Body{false, 0, 0, 0};
    const Format order[11] = {LightBlue, Body, Title, Body, Title, Title, Body, Title, Body, Title, Body};
    const char* fixedTexts[11] = {nullptr, nullptr, nullptr, nullptr, "More About Sign :-\r\n\r\n",
                                  "Keywords :-\r\n", nullptr, "Element :-\r\n", nullptr,
                                  "Ruling Planet :-\r\n", nullptr};
    const char* bodies[10] = {"Sun", "Moon", "Mercury", "Venus", "Mars",
                              "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};

    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const RecordedPiece& piece = pieces[i];
        const Format& want = order[i % 11];
        SCOPED_TRACE("piece " + std::to_string(i + 1) + ": " + piece.text);
        EXPECT_TRUE(piece.formatSetBefore);
        EXPECT_EQ(piece.bold, want.bold);
        EXPECT_EQ(piece.red, want.red);
        EXPECT_EQ(piece.green, want.green);
        EXPECT_EQ(piece.blue, want.blue);
        if (fixedTexts[i % 11]) {
            EXPECT_EQ(piece.text, fixedTexts[i % 11]);
        }
    }
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(pieces[11 * k + 2].text, std::string("Characteristics Of Planet ") + bodies[k] + " :-\r\n");
        EXPECT_TRUE(pieces[11 * k].text.starts_with(std::string(bodies[k]) + " In "));
    }

    // The plain-text sink sees the same words with the formatting dropped.
    std::string joined;
    for (const RecordedPiece& piece : pieces) {
        joined += piece.text;
    }
    InterpretationState again;
    EXPECT_EQ(ComposePlainReport(ChartAt(MixedSigns), again), joined);
}

TEST(ComposeInterpretation, SunGeneralParagraphIsTheSameInEverySign)
{
    const char* abbreviations[12] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                     "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    for (const char* abbreviation : abbreviations) {
        InterpretationState state;
        const std::vector<RecordedPiece> pieces = Record(AllIn(abbreviation), state);
        ASSERT_EQ(pieces.size(), 110u);
        const std::string& general = pieces[3].text;
        EXPECT_EQ(general.size(), 759u + 4u) << abbreviation;
        EXPECT_TRUE(general.starts_with("He can be good or evil")) << abbreviation;
        EXPECT_EQ(general, std::string(PlanetCharacteristics[0]) + "\r\n\r\n");
    }
}

}  // namespace
}  // namespace zodiora
