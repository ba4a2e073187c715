#include "Interpretation.h"

namespace zodiora {

// Placeholder until the interpretation tables land: writes nothing.
void ComposeInterpretation(const ChartPositions&, InterpretationState&, ReportSink&) {}

}  // namespace zodiora
