#pragma once

#include <QString>
#include <array>

#include "app/charts/ChartStyleInput.h"
#include "engine/Body.h"
#include "vedic/Varga.h"

namespace zodiora {

struct ChartResult;
struct VedicDetails;

/// A point's label on a drawing: its short name from the vocabulary ("Su" .. "Pl",
/// "Asc", "Ra", "Ke"; "सू" .. in Hindi), retrograde planets marked "(R)" ("(व)"); with
/// `degrees`, its degrees and minutes in its birth sign follow: "Su 24°12′".
QString PointLabel(const ChartResult& result, Body body, bool degrees = false);

struct VargaSigns;

/// The birth chart (Rasi) for the North and South Indian drawings: every
/// point but the Ascendant in its sign, the Ascendant's sign rising.
ChartStyleInput BirthChartInput(const ChartResult& result, bool degrees = false);

/// One of the sixteen divisional charts, drawn the same way from the signs
/// `signs` gives (engine/ChartVargas.h).
ChartStyleInput VargaChartInput(const ChartResult& result, const VargaSigns& signs, vedic::Varga varga,
                                bool degrees = false);

/// The Moon chart (Chandra lagna): the birth signs with the Moon's sign
/// rising, led by "Mo"; the Ascendant stands among the points.
ChartStyleInput MoonChartInput(const ChartResult& result, bool degrees = false);

/// The Navamsa (D9) for the same drawings, from the Navamsa signs.
ChartStyleInput NavamsaChartInput(const ChartResult& result, const VedicDetails& details);

}  // namespace zodiora
