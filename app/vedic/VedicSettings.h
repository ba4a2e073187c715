#pragma once

#include "engine/Chart.h"

namespace zodiora {

/// How the results window draws the birth chart and the Navamsa.
enum class ChartStyle { Wheel, NorthIndian, SouthIndian };

/// The window choices remembered between runs (QSettings): the chart style
/// and the ephemeris. Unset or unreadable values give the defaults, the
/// wheel and the Classic ephemeris.
struct VedicSettings {
    static ChartStyle chartStyle();
    static void setChartStyle(ChartStyle style);
    static Ephemeris ephemeris();
    static void setEphemeris(Ephemeris ephemeris);
};

}  // namespace zodiora
