#pragma once

#include "cli/JsonWriter.h"
#include "engine/Chart.h"

namespace zodiora::cli {

/// The members "nakshatras", "navamsa" and "dasha" of a chart's object,
/// as BuildVedicDetails reads the chart (dates on the calendar of a clock
/// `utcOffsetSeconds` ahead of UT), the dasha periods `dashaLevels` deep.
/// Written straight from the vedic routines: a batch writes some ninety
/// dates per chart, each formatted once into the output without a string
/// of its own.
void AppendVedicMembers(JsonWriter& json, const Chart& chart, int utcOffsetSeconds, int dashaLevels = 2);

}  // namespace zodiora::cli
