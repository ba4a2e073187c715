#pragma once

#include <array>
#include <optional>
#include <string>

#include "birthdata/BirthData.h"
#include "engine/Body.h"
#include "engine/Chart.h"
#include "retrogrades/Retrogrades.h"

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

/// Display names of Sun..Saturn, a retrograde planet's followed by " (R) ".
using PlanetNames = std::array<std::string, WheelBodyCount>;

/// Everything the results form shows for one chart, apart from the report.
struct ChartDisplay {
    std::array<std::string, ChartPointCount> positions;  ///< short position texts in table order
    PlanetNames planetNames;
    std::string rashi;    ///< Moon sign text; empty when the Moon names no sign
    std::string sunSign;  ///< empty when the Sun names no sign
    std::string lagna;    ///< empty when the ascendant names no sign
    ChartDetails details;
    std::array<std::string, 12> signBoxTexts;  ///< by sign, Aries first; each line led by CR LF
    int rotation = 0;                          ///< sign index shown in house 1
    std::array<std::string, 12> houses;        ///< house 1..12 texts (index 0 = house 1)
    /// Picture position 1..12 of the sign glyph for house 1..12; nothing
    /// when the ascendant names no sign (glyphs are then left alone).
    std::optional<std::array<int, 12>> glyphs;
};

/// The retrograde mark appended to a planet's display name.
inline constexpr std::string_view RetrogradeMark = " (R) ";

/// Sun..Saturn named for display, retrograde planets marked.
PlanetNames PlanetDisplayNames(const RetrogradeFlags& retrograde);

/// English month name of month 1..12 ("January".."December"); empty otherwise.
std::string MonthName(int month);

/// Builds the results-form texts from a birth and its computed chart.
ChartDisplay BuildChartDisplay(const BirthData& birth, const Chart& chart, const RetrogradeFlags& retrograde);

/// The same texts written over `display`, whose strings keep their room: a
/// batch fills one display per worker instead of making fifty strings a chart.
void FillChartDisplay(const BirthData& birth, const Chart& chart, const RetrogradeFlags& retrograde,
                      ChartDisplay& display);

}  // namespace zodiora
