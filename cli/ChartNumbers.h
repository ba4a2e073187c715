#pragma once

#include <string>

#include "presentation/ChartSession.h"

namespace zodiora::cli {

/// Sign 1..12 (1 = Aries) of a chart point, as its position text names it;
/// 0 where the text names none (never for a validated birth).
int SignNumber(const ChartResult& result, Body body);

/// Whole-sign house 1..12 of a chart point, counted from the sign shown in
/// house 1; 0 where the point names no sign.
int HouseNumber(const ChartResult& result, Body body);

/// The universal date and time to the minute: YYYY-MM-DD HH:MM.
std::string UniversalMinuteText(const UtcDateTime& utc);

/// The universal date and time of the birth, ISO 8601: YYYY-MM-DDTHH:MM:SSZ.
std::string IsoUtcText(const UtcDateTime& utc);

}  // namespace zodiora::cli
