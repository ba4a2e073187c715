#include "presentation/CalculationLine.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "birthdata/TimeZoneTable.h"
#include "birthdata/UniversalTime.h"

namespace zodiora {

namespace {

constexpr std::string_view Separator = " \u00B7 ";

// The clock of a mean-time birth without a city.
constexpr std::string_view BirthPlace = "the birth place";

// The line's words in one language; the values' names by the settings' own order.
struct LineWords {
    std::array<std::string_view, EphemerisChoices.size()> ephemeris;  ///< the whole phrase
    std::array<std::string_view, AyanamsaChoices.size()> ayanamsa;    ///< the titles
    std::string_view ayanamsaWord;
    std::array<std::string_view, NodeChoices.size()> node;            ///< the whole phrase
    std::string_view dashaYear;       ///< "{}" is the number of days
    std::string_view clock;
    std::string_view meanTimeOf;      ///< "{}" is the place
    std::string_view birthPlace;
    std::string_view daylightSaving;
};

// Hindi, as Hindi Jyotish books and almanacs word them: ephemeris is
// "ग्रह सारणी" (planet tables), the node is Rahu (मध्यम/स्पष्ट राहु).
constexpr LineWords HindiLine{
    {"पारम्परिक ग्रह सारणी (माध्य कक्षीय तत्व)", "सटीक ग्रह सारणी (स्विस एफ़ेमेरिस)"},
    {"लाहिड़ी", "रमन", "कृष्णमूर्ति (केपी)", "फ़ेगन-ब्रैडली", "सत्य चित्रा", "युक्तेश्वर"},
    "अयनांश",
    {"मध्यम राहु", "स्पष्ट राहु"},
    "दशा वर्ष {} दिन",
    "घड़ी:",
    "{} का स्थानीय माध्य समय,",
    "जन्म स्थान",
    "डेलाइट सेविंग सहित",
};

template <typename Value>
std::size_t IndexOf(Value value)
{
    const auto choices = ChoicesOf(Value{});
    for (std::size_t k = 0; k < choices.size(); ++k) {
        if (choices[k].value == value) return k;
    }
    return 0;
}

std::string Filled(std::string_view pattern, std::string_view value)
{
    const std::size_t hole = pattern.find("{}");
    if (hole == std::string_view::npos) return std::string(pattern);
    return std::string(pattern.substr(0, hole)) + std::string(value) + std::string(pattern.substr(hole + 2));
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// 23.81425 -> 23°48′51″, to the nearest second.
std::string DegreesMinutesSeconds(double degrees)
{
    const long seconds = std::lround(std::abs(degrees) * 3600);
    char text[48];
    std::snprintf(text, sizeof text, "%s%ld\u00B0%02ld\u2032%02ld\u2033", degrees < 0 ? "-" : "", seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
    return text;
}

// +05:30, or +05:21:10 for an offset with seconds.
std::string OffsetText(int offsetSeconds)
{
    const int magnitude = std::abs(offsetSeconds);
    char text[16];
    if (magnitude % 60 != 0) {
        std::snprintf(text, sizeof text, "%c%02d:%02d:%02d", offsetSeconds < 0 ? '-' : '+', magnitude / 3600,
                      magnitude / 60 % 60, magnitude % 60);
    } else {
        std::snprintf(text, sizeof text, "%c%02d:%02d", offsetSeconds < 0 ? '-' : '+', magnitude / 3600,
                      magnitude / 60 % 60);
    }
    return text;
}

// The shortest text that reads back: 365.25, 365.256363, 360.
std::string ShortestNumber(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

}  // namespace

ClockReading ClockOf(const BirthData& birth, std::string_view zoneId, std::string_view abbreviation)
{
    ClockReading clock;
    clock.offsetSeconds = UtcOffsetSeconds(birth);
    if (!zoneId.empty()) {
        clock.zone = zoneId;
        clock.abbreviation = abbreviation;
        return clock;
    }
    if (birth.exactOffsetSeconds) return clock;
    clock.daylightSaving = birth.daylightSaving;
    if (birth.zoneRow >= 0 && birth.zoneRow < TimeZoneRowCount) {
        const std::string_view text = TimeZoneTable[static_cast<std::size_t>(birth.zoneRow)].text;
        const std::size_t first = text.find(',');
        const std::size_t second = text.find(',', first + 1);
        clock.zone = Trimmed(text.substr(0, first));
        if (first != std::string_view::npos && second != std::string_view::npos) {
            clock.abbreviation = Trimmed(text.substr(first + 1, second - first - 1));
        }
    }
    return clock;
}

ClockReading MeanTimeClockOf(const BirthData& birth)
{
    ClockReading clock;
    clock.offsetSeconds = UtcOffsetSeconds(birth);
    const std::string city(Trimmed(birth.city));
    clock.meanTimeOf = city.empty() ? std::string(BirthPlace) : city;
    return clock;
}

std::string CalculationLine(const Chart& chart, const ClockReading& clock)
{
    const CalculationSettings& settings = chart.settings;
    std::string line = settings.ephemeris == Ephemeris::Precise ? "Precise ephemeris (Swiss Ephemeris)"
                                                                : "Classic ephemeris (mean orbital elements)";
    line.append(Separator).append(TitleOf(settings.ayanamsa)).append(" ayanamsa ");
    line.append(DegreesMinutesSeconds(chart.ayanamsaDegrees));
    line.append(Separator).append(KeyOf(settings.node)).append(" node");
    line.append(Separator).append("dasha year ").append(ShortestNumber(DaysPerYear(settings.dashaYear))).append(" days");
    line.append(Separator).append("clock:");
    if (!clock.meanTimeOf.empty()) line.append(" Local mean time of ").append(clock.meanTimeOf).append(",");
    for (const std::string& part : {clock.zone, clock.abbreviation}) {
        if (!part.empty()) line.append(" ").append(part);
    }
    if (clock.daylightSaving) line.append(" with daylight saving");
    line.append(" ").append(OffsetText(clock.offsetSeconds));
    return line;
}

std::string CalculationLine(const Chart& chart, const ClockReading& clock, vocabulary::Language language)
{
    if (language != vocabulary::Language::Hindi) return CalculationLine(chart, clock);
    const LineWords& words = HindiLine;
    const CalculationSettings& settings = chart.settings;
    std::string line(words.ephemeris[IndexOf(settings.ephemeris)]);
    line.append(Separator).append(words.ayanamsa[IndexOf(settings.ayanamsa)]).append(" ").append(words.ayanamsaWord);
    line.append(" ").append(DegreesMinutesSeconds(chart.ayanamsaDegrees));
    line.append(Separator).append(words.node[IndexOf(settings.node)]);
    line.append(Separator).append(Filled(words.dashaYear, ShortestNumber(DaysPerYear(settings.dashaYear))));
    line.append(Separator).append(words.clock);
    if (!clock.meanTimeOf.empty()) {
        line.append(" ").append(
            Filled(words.meanTimeOf, clock.meanTimeOf == BirthPlace ? words.birthPlace : clock.meanTimeOf));
    }
    for (const std::string& part : {clock.zone, clock.abbreviation}) {
        if (!part.empty()) line.append(" ").append(part);
    }
    if (clock.daylightSaving) line.append(" ").append(words.daylightSaving);
    line.append(" ").append(OffsetText(clock.offsetSeconds));
    return line;
}

}  // namespace zodiora
