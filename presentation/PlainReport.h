#pragma once

#include <string>

#include "ChartPositions.h"
#include "Interpretation.h"

namespace zodiora {

/// The interpretation report of `chart` as plain text (CR LF line breaks),
/// updating the readings exactly as the on-screen report does.
std::string ComposePlainReport(const ChartPositions& chart, InterpretationState& state);

}  // namespace zodiora
