#pragma once

#include <string>

namespace zodiora::timezones {

/// The offset of a zone's clocks from universal time over one stretch of its history.
struct ZoneOffset {
    int offsetSeconds = 0;     ///< east of Greenwich positive: IST is 19800
    std::string abbreviation;  ///< "PDT", "LMT", or a numeric "+0545" where tzdata has no letters
    bool daylightSaving = false;

    friend bool operator==(const ZoneOffset&, const ZoneOffset&) = default;
};

enum class LocalTimeKind {
    Unique,     ///< the clock showed this reading once
    Ambiguous,  ///< clocks were turned back: the reading happened twice
    Skipped,    ///< clocks were turned forward: the reading never happened
};

/// What the tz database says about a local clock reading. For Unique, earlier
/// and later are the same offset. For Ambiguous, earlier is the offset of the
/// first occurrence and later that of the second. For Skipped, earlier is the
/// offset in force just before the gap and later the one just after it.
struct LocalTimeOffset {
    LocalTimeKind kind = LocalTimeKind::Unique;
    ZoneOffset earlier;
    ZoneOffset later;
};

}  // namespace zodiora::timezones
