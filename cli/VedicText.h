#pragma once

#include <string>

#include "cli/TextWords.h"
#include "presentation/ChartSession.h"
#include "presentation/VedicDetails.h"

namespace zodiora::cli {

/// The sections --vedic adds to a text chart: every point's position,
/// nakshatra, pada and lord; its Navamsa sign; the Vimshottari periods
/// with their sub-periods.
void AppendVedicText(std::string& out, const ChartResult& result, const VedicDetails& details,
                     const TextWords& words = {});

}  // namespace zodiora::cli
