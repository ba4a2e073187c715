#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "timezones/LocalDateTime.h"
#include "timezones/ZoneOffset.h"

namespace date {
class time_zone;
}

namespace zodiora::timezones {

/// A zone of the system's tz database ("Asia/Kolkata"), located once so each
/// look-up is a search of its transitions and nothing more.
class TimeZone {
public:
    /// Why Find gave nothing.
    enum class FindFailure {
        UnknownId,   ///< the database has no such zone
        NoDatabase,  ///< the folder is missing or empty
        Unreadable,  ///< the zone's file is damaged or cannot be read
    };

    /// The zone with this IANA id, or nothing with a one-line reason in *error
    /// and its kind in *failure. Zone files come from $TZDIR when set, as
    /// other tz programs take them, else from the system's tz database; a
    /// damaged file is refused here, never found out later.
    static std::optional<TimeZone> Find(std::string_view id, std::string* error, FindFailure* failure = nullptr);

    std::string_view id() const;

    /// The offset in force at a local clock reading. Ambiguous and skipped
    /// readings are reported as such, with both offsets; none is chosen here.
    LocalTimeOffset offsetAt(const LocalDateTime& local) const;

    /// History's abbreviation ("IST") of the offset `offsetSeconds` at a
    /// local clock reading: the later offset's unless only the earlier one
    /// has that offset (a reading the clocks showed twice).
    std::string abbreviationAt(const LocalDateTime& local, int offsetSeconds) const;

    /// The offset in force at a moment of universal time (seconds since the epoch).
    ZoneOffset offsetAtUtc(std::int64_t utcSeconds) const;

    /// The local clock reading at a moment of universal time.
    LocalDateTime toLocal(std::int64_t utcSeconds) const;

private:
    TimeZone(const date::time_zone* zone, std::string_view id) : zone_(zone), id_(id) {}

    const date::time_zone* zone_;
    std::string_view id_;  ///< as the zone was asked for; lives as long as the zone
};

}  // namespace zodiora::timezones
