#pragma once

#include <array>
#include <string>

#include "ChartPositions.h"
#include "ReportSink.h"

namespace zodiora {

/// What the report says of one body: its sign and that sign's texts.
struct BodyReading {
    std::string signName;
    std::string paragraph;
    std::string keywords;
    std::string element;
    std::string ruler;
};

/// The ten readings, Sun..Pluto. They outlive a chart: a body whose
/// position names no sign keeps the previous chart's reading.
struct InterpretationState {
    std::array<BodyReading, 10> readings;
};

/// Updates the readings from position slots 0..9 and writes the report's
/// 110 pieces, with their weight and colour, into `sink`.
void ComposeInterpretation(const ChartPositions& chart, InterpretationState& state, ReportSink& sink);

}  // namespace zodiora
