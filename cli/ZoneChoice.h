#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "timezones/LocalDateTime.h"

namespace zodiora::cli {

/// The clock of a birth as the tz database gives it.
struct HistoryZone {
    std::string id;            ///< "America/Los_Angeles"; empty for --zone lmt
    std::string abbreviation;  ///< "PDT"; "LMT" for local mean time
    int offsetSeconds = 0;     ///< east of Greenwich positive
    /// The clock kept the birth place's own mean time: asked for (--zone
    /// lmt), or the zone kept local mean time then and the place's replaces
    /// that of the zone's reference city.
    bool localMeanTime = false;
};

/// Which occurrence of a local time that happened twice (--fold).
enum class Fold { Unset, Earlier, Later };

/// The offset in force in zone `id` at the local clock reading, or a
/// one-line problem: an unknown id (`placeZone`: the id came from --place,
/// not --zone), a missing or damaged zone file, a time that happened twice
/// with no fold chosen (both offsets named), or a time the clocks skipped.
std::variant<HistoryZone, std::string> OffsetFromHistory(std::string_view id, const timezones::LocalDateTime& local,
                                                         Fold fold, bool placeZone = false);

/// Which occurrence of the local clock reading in zone `id` had the offset
/// `offsetSeconds`: Unset unless the reading happened twice there (or the
/// id is unknown).
Fold FoldOf(std::string_view id, const timezones::LocalDateTime& local, int offsetSeconds);

/// "UTC+05:30", "UTC-04:00", "UTC+05:21:10" (seconds only where there are some).
std::string OffsetText(int offsetSeconds);

/// The abbreviation a zone row names: "IST" for "Indian Time, IST, +5.3".
std::string_view RowAbbreviation(int row);

}  // namespace zodiora::cli
