#include "Interpretation.h"

#include <string>
#include <string_view>

#include "InterpretationTexts.h"
#include "PositionText.h"
#include "SignTables.h"

namespace zodiora {

namespace {

constexpr std::string_view LineBreak = "\r\n";

struct Colour {
    int red, green, blue;
};
constexpr Colour LightBlue{0, 0, 255};
constexpr Colour Red{128, 0, 0};
constexpr Colour Black{0, 0, 0};

// One piece of the report: weight and colour are set afresh before every
// piece. Each sink call stands alone, so a sink that refuses a formatting
// change still receives the text, and a refused piece does not stop the rest.
void AppendPiece(ReportSink& sink, bool bold, Colour colour, std::string_view text, int lineBreaks)
{
    try {
        sink.setBold(bold);
    } catch (...) {
    }
    try {
        sink.setColour(colour.red, colour.green, colour.blue);
    } catch (...) {
    }
    try {
        std::string piece(text);
        for (int i = 0; i < lineBreaks; ++i) {
            piece += LineBreak;
        }
        sink.insertText(piece);
    } catch (...) {
    }
}

// Sign from characters 4..6 of the position text, taken as stored. A text
// naming no sign leaves the body's sign and paragraph as they were.
void ReadBodySign(int body, std::string_view positionText, BodyReading& reading)
{
    const int sign = SignIndexOfAbbreviation(SignFieldOfShortText(positionText));
    if (sign < 0) {
        return;
    }
    reading.signName = std::string(SignNames[sign]);
    reading.paragraph = std::string(PlanetInSignTexts[body][sign]);
}

// Keywords, element and ruler follow the sign name; an unknown name (the
// empty one of a run's first chart) keeps what the reading held.
void ReadSignTexts(BodyReading& reading)
{
    for (int sign = 0; sign < 12; ++sign) {
        if (reading.signName == SignNames[sign]) {
            reading.keywords = std::string(SignKeywords[sign]);
            reading.element = std::string(SignElements[sign]);
            reading.ruler = std::string(SignRulers[sign]);
            return;
        }
    }
}

void AppendSection(ReportSink& sink, int body, const BodyReading& reading, bool lastSection)
{
    const std::string bodyName(InterpretedBodyNames[body]);
    AppendPiece(sink, true, LightBlue, bodyName + " In " + reading.signName, 1);
    AppendPiece(sink, false, Black, reading.paragraph, 2);
    AppendPiece(sink, true, Red, "Characteristics Of Planet " + bodyName + " :-", 1);
    AppendPiece(sink, false, Black, PlanetCharacteristics[body], 2);
    AppendPiece(sink, true, Red, "More About Sign :-", 2);
    AppendPiece(sink, true, Red, "Keywords :-", 1);
    AppendPiece(sink, false, Black, reading.keywords, 2);
    AppendPiece(sink, true, Red, "Element :-", 1);
    AppendPiece(sink, false, Black, reading.element, 2);
    AppendPiece(sink, true, Red, "Ruling Planet :-", 1);
    AppendPiece(sink, false, Black, reading.ruler, lastSection ? 0 : 3);
}

}  // namespace

void ComposeInterpretation(const ChartPositions& chart, InterpretationState& state, ReportSink& sink)
{
    for (int body = 0; body < InterpretedBodyCount; ++body) {
        ReadBodySign(body, chart.slotTexts[body], state.readings[body]);
    }
    for (BodyReading& reading : state.readings) {
        ReadSignTexts(reading);
    }
    for (int body = 0; body < InterpretedBodyCount; ++body) {
        AppendSection(sink, body, state.readings[body], body == InterpretedBodyCount - 1);
    }
}

}  // namespace zodiora
