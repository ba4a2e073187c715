#include "presentation/CalculationLine.h"
#include "presentation/CalculationWords.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "birthdata/TimeZoneTable.h"
#include "birthdata/UniversalTime.h"
#include "vocabulary/ZoneNames.h"

namespace zodiora {

namespace {

constexpr std::string_view Separator = " \u00B7 ";
constexpr std::string_view BirthPlace = "the birth place";

// `pattern` with its "%1" replaced by `value`.
std::string Filled(std::string_view pattern, std::string_view value)
{
    std::string text(pattern);
    const std::size_t at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, value);
    return text;
}

template <typename Value, std::size_t N>
std::string_view Entry(const std::array<std::string, N>& entries, Value value)
{
    const auto choices = ChoicesOf(Value{});
    for (std::size_t i = 0; i < choices.size() && i < N; ++i) {
        if (choices[i].value == value) return entries[i];
    }
    return {};
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
    return CalculationLine(chart, clock, CalculationWords{});
}

std::string CalculationLine(const Chart& chart, const ClockReading& clock, const CalculationWords& words)
{
    const CalculationSettings& settings = chart.settings;
    std::string line = settings.ephemeris == Ephemeris::Precise ? words.precise : words.classic;
    std::string_view title = Entry(words.ayanamsaTitles, settings.ayanamsa);
    if (title.empty()) title = TitleOf(settings.ayanamsa);
    line.append(Separator).append(Filled(words.ayanamsa, title)).append(" ");
    line.append(DegreesMinutesSeconds(chart.ayanamsaDegrees));
    line.append(Separator).append(Entry(words.nodes, settings.node));
    line.append(Separator).append(Filled(words.dashaYear, ShortestNumber(DaysPerYear(settings.dashaYear))));
    line.append(Separator).append(words.clock);
    if (!clock.meanTimeOf.empty()) {
        line.append(" ").append(Filled(words.meanTimeOf, clock.meanTimeOf == BirthPlace ? words.birthPlace
                                                                                          : clock.meanTimeOf));
    }
    if (!clock.zone.empty()) {
        line.append(" ").append(words.zoneName ? words.zoneName(clock.zone) : clock.zone);
    }
    if (!clock.abbreviation.empty()) line.append(" ").append(clock.abbreviation);
    if (clock.daylightSaving) line.append(" ").append(words.daylightSaving);
    line.append(" ").append(OffsetText(clock.offsetSeconds));
    return line;
}

CalculationWords CalculationWordsIn(vocabulary::Language language)
{
    if (language != vocabulary::Language::Hindi) return {};
    // As Hindi Jyotish books and almanacs word them: the ephemeris is
    // "ग्रह सारणी" (planet tables), the node is Rahu (मध्यम/स्पष्ट राहु).
    CalculationWords words;
    words.classic = "पारम्परिक ग्रह सारणी (माध्य कक्षीय तत्व)";
    words.precise = "सटीक ग्रह सारणी (स्विस एफ़ेमेरिस)";
    words.ayanamsaTitles = {"लाहिड़ी", "रमन", "कृष्णमूर्ति (केपी)", "फ़ेगन-ब्रैडली", "सत्य चित्रा", "युक्तेश्वर"};
    words.ayanamsa = "%1 अयनांश";
    words.nodes = {"मध्यम राहु", "स्पष्ट राहु"};
    words.dashaYear = "दशा वर्ष %1 दिन";
    words.clock = "घड़ी:";
    words.meanTimeOf = "%1 का स्थानीय माध्य समय,";
    words.birthPlace = "जन्म स्थान";
    words.daylightSaving = "डेलाइट सेविंग सहित";
    words.zoneName = [language](std::string_view zone) { return std::string(vocabulary::ZoneName(language, zone)); };
    return words;
}

std::string CalculationLine(const Chart& chart, const ClockReading& clock, vocabulary::Language language)
{
    if (language == vocabulary::Language::English) return CalculationLine(chart, clock);
    return CalculationLine(chart, clock, CalculationWordsIn(language));
}

}  // namespace zodiora
