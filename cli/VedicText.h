#pragma once

#include <string>

#include "cli/TextWords.h"
#include "presentation/ChartSession.h"
#include "presentation/VedicDetails.h"

namespace zodiora::cli {

/// The sections --vedic adds to a text chart: every point's position,
/// nakshatra, pada and lord; its Navamsa sign; the Vimshottari periods
/// `dashaLevels` deep (2: with their antardashas, as it always was), in the
/// words of `words` (--lang, --sanskrit).
void AppendVedicText(std::string& out, const ChartResult& result, const VedicDetails& details, int dashaLevels = 2,
                     const TextWords& words = {});

}  // namespace zodiora::cli
