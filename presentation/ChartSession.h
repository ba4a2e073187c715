#pragma once

#include "BirthData.h"
#include "BirthFormInput.h"
#include "ChartDisplay.h"
#include "ChartPositions.h"
#include "Interpretation.h"
#include "PlanetDisplayNames.h"

namespace zodiora {

/// The records that live for a whole run and that every chart overwrites:
/// a Moon sign or body reading that matches nothing keeps the previous
/// chart's text.
struct ChartSession {
    BirthData birth;
    ChartPositions positions;
    PlanetDisplayNames names;
    InterpretationState readings;
};

/// What "Proceed" does once the input has passed validation: read the birth
/// record, run the engine and the retrograde step, and build the display.
ChartDisplay RunChart(const BirthFormInput& input, ChartSession& session);

}  // namespace zodiora
