#pragma once

#include "cli/JsonWriter.h"
#include "presentation/VedicDetails.h"

namespace zodiora::cli {

/// The members "nakshatras", "navamsa" and "dasha" of a chart's object.
void AppendVedicMembers(JsonWriter& json, const VedicDetails& details);

}  // namespace zodiora::cli
