#pragma once

#include <array>
#include <string_view>

#include "engine/Chart.h"
#include "presentation/InterpretationTexts.h"
#include "presentation/Report.h"

namespace zodiora {

/// What the report says of one body: its sign and that sign's texts, all
/// pointing into the program's static tables.
struct BodyReading {
    std::string_view signName;
    std::string_view paragraph;
    std::string_view keywords;
    std::string_view element;
    std::string_view ruler;
};

/// The ten readings, Sun..Pluto. They outlive a chart: a body whose
/// longitude names no sign keeps the previous chart's reading.
struct InterpretationState {
    std::array<BodyReading, InterpretedBodyCount> readings;
};

/// Updates the readings from the chart's Sun..Pluto.
void UpdateReadings(const Chart& chart, InterpretationState& state);

/// The report's 110 pieces, with their weight and colour, from the readings.
Report ComposeInterpretation(const InterpretationState& state);

}  // namespace zodiora
