#pragma once

#include <cmath>

#include "timezones/ZoneOffset.h"

namespace zodiora::timezones {

/// The offset from universal time of a place's local mean time: its
/// longitude (degrees, east positive) / 15 hours, to the nearest second,
/// east positive. Porbandar at 69°36′ E keeps +04:38:24.
inline int LocalMeanTimeOffsetSeconds(double longitudeEast)
{
    return static_cast<int>(std::lround(longitudeEast * 240.0));
}

/// Whether, by the tz database, a zone's clocks kept local mean time in
/// `year`, so that a birth place's own mean time should replace the offset
/// history gives (that of the zone's reference city): history's "LMT"; and
/// before 1901 also a city's mean time, which history writes to the second
/// (Asia/Kolkata's Howrah +05:53:20 to 1870 and Madras +05:21:10 after it),
/// as clocks away from that city kept their own. From 1901 such offsets
/// stand as history gives them (Amsterdam's legal +00:19:32 until 1937).
inline bool KeptLocalMeanTime(const ZoneOffset& offset, int year)
{
    return offset.abbreviation == "LMT" || (year < 1901 && offset.offsetSeconds % 60 != 0);
}

}  // namespace zodiora::timezones
