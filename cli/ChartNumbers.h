#pragma once

#include <array>
#include <string>

#include "presentation/ChartSession.h"

namespace zodiora::cli {

/// The order of the "bodies" key and of the text's body lines: that of the
/// orbital-element table.
inline constexpr std::array<Body, 9> ElementOrder{Body::Mercury, Body::Venus,  Body::Sun,     Body::Mars, Body::Jupiter,
                                                  Body::Saturn,  Body::Uranus, Body::Neptune, Body::Pluto};

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

/// The two texts above appended to `out`, for a batch that writes them for
/// every chart (both are too long for a string's own room).
void AppendUniversalMinuteText(std::string& out, const UtcDateTime& utc);
void AppendIsoUtcText(std::string& out, const UtcDateTime& utc);

}  // namespace zodiora::cli
