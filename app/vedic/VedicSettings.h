#pragma once

#include <vector>

#include "engine/Chart.h"
#include "vedic/Varga.h"

namespace zodiora {

/// How the results window draws the birth chart and the Navamsa.
enum class ChartStyle { Wheel, NorthIndian, SouthIndian };

/// What the chart page carries beside the birth chart: up to
/// ChartPageExtras::MaxVargas divisional charts, in varga order, and the
/// Vimshottari periods running on the day it is made.
struct ChartPageExtras {
    static constexpr std::size_t MaxVargas = 3;
    std::vector<vedic::Varga> vargas;
    bool runningDasha = false;

    bool empty() const { return vargas.empty() && !runningDasha; }
    friend bool operator==(const ChartPageExtras&, const ChartPageExtras&) = default;
};

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
    /// Unset: none. Varga names not known, repeated or past the first
    /// MaxVargas are left out.
    static ChartPageExtras chartPageExtras();
    static void setChartPageExtras(const ChartPageExtras& extras);
};

}  // namespace zodiora
