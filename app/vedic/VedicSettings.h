#pragma once

#include "engine/Chart.h"

namespace zodiora {

/// How the results window draws the birth chart and the Navamsa.
enum class ChartStyle { Wheel, NorthIndian, SouthIndian };

/// The window choices remembered between runs (QSettings): the chart style
/// and the calculation settings new charts get. Unset or unreadable values
/// give the defaults: the wheel, and CalculationSettings{} (Classic, Lahiri,
/// mean node, Julian dasha year).
struct VedicSettings {
    static ChartStyle chartStyle();
    static void setChartStyle(ChartStyle style);
    static CalculationSettings calculationSettings();
    static void setCalculationSettings(const CalculationSettings& settings);
    /// The ephemeris of calculationSettings(); setting it keeps the others.
    static Ephemeris ephemeris();
    static void setEphemeris(Ephemeris ephemeris);
};

}  // namespace zodiora
