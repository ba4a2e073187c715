#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zodiora::cli {

/// The moment `jdUt` (Julian day, universal time) on the clocks of a place
/// `utcOffsetSeconds` ahead of universal time, to the nearest second, ISO
/// 8601 with the offset: "2013-01-18T16:24:20+05:30" ("Z" never; "+00:00").
/// An offset with seconds (a place's mean time, +04:38:26) is written to
/// the minute, +04:38, and the clock read at that offset, so that the text
/// is still the exact moment.
std::string LocalIsoTime(double jdUt, int utcOffsetSeconds);

/// The same moment in universal time: "2031-05-17T06:30:00Z".
std::string UtcIsoTime(double jdUt);

/// A moment as --transit takes it, as a Julian day in universal time:
/// YYYY-MM-DDTHH:MM[:SS] followed by Z or an offset ±HH:MM (or ±HHMM), or a
/// date YYYY-MM-DD alone, which means 12:00 UT. Years 1 to 9999. Empty for
/// anything else, including a time without Z or an offset.
std::optional<double> ParseIsoMoment(std::string_view text);

}  // namespace zodiora::cli
