#include "presentation/Interpretation.h"

#include <string>

#include "birthdata/Text.h"
#include "engine/PositionText.h"
#include "presentation/InterpretationTexts.h"
#include "presentation/SignTables.h"

namespace zodiora {

namespace {

constexpr ReportColour LightBlue{0, 0, 255};
constexpr ReportColour Red{128, 0, 0};
constexpr ReportColour Black{0, 0, 0};

void AppendPiece(Report& report, bool bold, ReportColour colour, std::string_view text, int lineBreaks)
{
    std::string piece(text);
    for (int i = 0; i < lineBreaks; ++i) {
        piece += LineBreak;
    }
    report.push_back(ReportPiece{std::move(piece), bold, colour});
}

// A longitude naming no sign leaves the body's sign and paragraph as they
// were; returns false then.
bool ReadBodySign(int body, double longitude, BodyReading& reading)
{
    const int sign = SignOf(longitude);
    if (sign < 0) {
        return false;
    }
    const auto index = static_cast<std::size_t>(sign);
    reading.signName = SignNames[index];
    reading.paragraph = PlanetInSignTexts[static_cast<std::size_t>(body)][index];
    // What ReadSignTexts would find for this name, without searching for it.
    reading.keywords = SignKeywords[index];
    reading.element = SignElements[index];
    reading.ruler = SignRulers[index];
    return true;
}

// Keywords, element and ruler follow the sign name; an unknown name (the
// empty one of a run's first chart) keeps what the reading held.
void ReadSignTexts(BodyReading& reading)
{
    for (std::size_t sign = 0; sign < 12; ++sign) {
        if (reading.signName == SignNames[sign]) {
            reading.keywords = SignKeywords[sign];
            reading.element = SignElements[sign];
            reading.ruler = SignRulers[sign];
            return;
        }
    }
}

void AppendSection(Report& report, int body, const BodyReading& reading, bool lastSection)
{
    const std::string bodyName(BodyNames[static_cast<std::size_t>(body)]);
    AppendPiece(report, true, LightBlue, bodyName + " In " + std::string(reading.signName), 1);
    AppendPiece(report, false, Black, reading.paragraph, 2);
    AppendPiece(report, true, Red, "Characteristics Of Planet " + bodyName + " :-", 1);
    AppendPiece(report, false, Black, PlanetCharacteristics[static_cast<std::size_t>(body)], 2);
    AppendPiece(report, true, Red, "More About Sign :-", 2);
    AppendPiece(report, true, Red, "Keywords :-", 1);
    AppendPiece(report, false, Black, reading.keywords, 2);
    AppendPiece(report, true, Red, "Element :-", 1);
    AppendPiece(report, false, Black, reading.element, 2);
    AppendPiece(report, true, Red, "Ruling Planet :-", 1);
    AppendPiece(report, false, Black, reading.ruler, lastSection ? 0 : 3);
}

}  // namespace

void UpdateReadings(const Chart& chart, InterpretationState& state)
{
    for (int body = 0; body < InterpretedBodyCount; ++body) {
        BodyReading& reading = state.readings[static_cast<std::size_t>(body)];
        if (!ReadBodySign(body, chart.longitudes[static_cast<std::size_t>(body)], reading)) ReadSignTexts(reading);
    }
}

Report ComposeInterpretation(const InterpretationState& state)
{
    Report report;
    report.reserve(11 * InterpretedBodyCount);
    for (int body = 0; body < InterpretedBodyCount; ++body) {
        AppendSection(report, body, state.readings[static_cast<std::size_t>(body)], body == InterpretedBodyCount - 1);
    }
    return report;
}

}  // namespace zodiora
