#pragma once

#include <QString>
#include <array>

#include "app/charts/ChartStyleInput.h"
#include "engine/Body.h"

namespace zodiora {

struct ChartResult;
struct VedicDetails;

/// A point's label on a drawing: its short name from the vocabulary ("Su" .. "Pl",
/// "Asc", "Ra", "Ke"; "सू" .. in Hindi), retrograde planets marked "(R)" ("(व)").
QString PointLabel(const ChartResult& result, Body body);

/// The birth chart (Rasi) for the North and South Indian drawings: every
/// point but the Ascendant in its sign, the Ascendant's sign rising.
ChartStyleInput BirthChartInput(const ChartResult& result);

/// The Navamsa (D9) for the same drawings, from the Navamsa signs.
ChartStyleInput NavamsaChartInput(const ChartResult& result, const VedicDetails& details);

}  // namespace zodiora
