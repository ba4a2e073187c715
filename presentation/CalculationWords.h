#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "presentation/CalculationLine.h"

namespace zodiora {

/// The words of the calculation line (UTF-8), English unless the caller
/// fills them: the windows fill them in their language so this library
/// needs no translator. "%1" marks where a name or number goes.
struct CalculationWords {
    std::string precise = "Precise ephemeris (Swiss Ephemeris)";
    std::string classic = "Classic ephemeris (mean orbital elements)";
    /// In AyanamsaChoices' order; an empty entry shows the choice's title.
    std::array<std::string, AyanamsaChoices.size()> ayanamsaTitles{};
    std::string ayanamsa = "%1 ayanamsa";           ///< %1: the ayanamsa's title
    std::array<std::string, NodeChoices.size()> nodes{"mean node", "true node"};
    std::string dashaYear = "dasha year %1 days";   ///< %1: days in the year
    std::string clock = "clock:";
    std::string meanTimeOf = "Local mean time of %1,";  ///< %1: the place
    std::string birthPlace = "the birth place";     ///< the place when the record names no city
    std::string daylightSaving = "with daylight saving";
    /// A zone row's name ("Indian Time") as shown; none keeps it.
    std::function<std::string(std::string_view)> zoneName;
};

/// The line's words in `language` (English for any language without a table).
CalculationWords CalculationWordsIn(vocabulary::Language language);

/// The calculation line in `words`; with the default words the same text as above.
std::string CalculationLine(const Chart& chart, const ClockReading& clock, const CalculationWords& words);

}  // namespace zodiora
