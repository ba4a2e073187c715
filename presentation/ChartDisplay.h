#pragma once

#include <array>
#include <optional>
#include <string>

#include "BirthData.h"
#include "ChartPositions.h"
#include "PlanetDisplayNames.h"

namespace zodiora {

/// The person's details as the results form's labels show them.
struct ChartDetails {
    std::string name;
    std::string dob;        ///< "June/15/1980"
    std::string tob;        ///< "6:30", no leading zeros
    std::string latitude;   ///< "28° 37' N"
    std::string longitude;  ///< "77° 13' E"
    std::string city;
    std::string state;
    std::string country;
};

/// Everything the results form shows for one chart, apart from the report.
struct ChartDisplay {
    std::array<std::string, ChartSlotCount> positions;  ///< position table, slot texts as stored
    std::string rashi;    ///< Moon sign text
    std::string sunSign;  ///< empty when slot 0 names no sign
    std::string lagna;    ///< empty when the ascendant names no sign
    ChartDetails details;
    std::array<std::string, 12> signBoxTexts;  ///< by sign, Aries first; each line led by CR LF
    int rotation = 0;                          ///< sign index shown in house 1
    std::array<std::string, 12> houses;        ///< house 1..12 texts (index 0 = house 1)
    /// Picture position 1..12 of the sign glyph for house 1..12; nothing
    /// when the ascendant's slot names no sign (glyphs are then left alone).
    std::optional<std::array<int, 12>> glyphs;
};

/// English month name of month 1..12 ("January".."December"); empty otherwise.
std::string MonthName(int month);

/// Builds the results-form texts from a computed chart and the (possibly
/// retrograde-marked) display names.
ChartDisplay BuildChartDisplay(const BirthData& birth, const ChartPositions& chart, const PlanetDisplayNames& names);

}  // namespace zodiora
