#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Chart.h"

namespace zodiora {

/// A point's lunar mansion.
struct NakshatraEntry {
    Body body = Body::Sun;
    std::string_view name;  ///< "Ashwini" .. "Revati"
    int pada = 1;           ///< 1..4
    std::string_view lord;  ///< Vimshottari lord, "Ketu" .. "Mercury"
};

/// A calendar date as "YYYY-MM-DD", held without a heap allocation: a
/// chart has about ninety of them.
struct DateText {
    std::array<char, 10> text{};
    std::string_view view() const { return {text.data(), text.size()}; }
    operator std::string_view() const { return view(); }
    friend bool operator==(const DateText& a, std::string_view b) { return a.view() == b; }
};

/// A dasha period with its dates on the birth place's calendar.
struct DashaSpan {
    std::string_view lord;
    double startJd = 0;  ///< Julian day, UT
    double endJd = 0;
    DateText start;      ///< local calendar
    DateText end;
};

/// A major period and its sub-periods.
struct DashaMajor {
    DashaSpan span;
    std::vector<DashaSpan> sub;
};

/// The Vedic reading of a chart: nakshatras and Navamsa signs of every
/// point (table order, nodes last) and the Vimshottari periods from the Moon.
struct VedicDetails {
    std::array<NakshatraEntry, PointCount> nakshatras;
    std::array<int, PointCount> navamsa{};  ///< sign index, 0 = Aries
    std::string_view balanceLord;
    double balanceYears = 0;
    double daysPerYear = 365.25;  ///< the dasha year the periods are measured in
    std::vector<DashaMajor> dasha;
};

/// Everything from the chart's numbers; dates on the calendar of a clock
/// `utcOffsetSeconds` ahead of UT (east positive).
VedicDetails BuildVedicDetails(const Chart& chart, int utcOffsetSeconds);

/// The major and sub-period running at Julian day `jdUt`, or -1 where none.
struct DashaIndex {
    int major = -1;
    int sub = -1;
};
DashaIndex CurrentDasha(const VedicDetails& details, double jdUt);

}  // namespace zodiora
