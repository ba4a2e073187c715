#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "timezones/LocalDateTime.h"
#include "timezones/TimeZone.h"
#include "timezones/ZoneOffset.h"

namespace zodiora::timezones {

/// A choice in the birth form's zone list: a row of TimeZoneTable and the
/// daylight-saving box.
struct ZoneRowSetting {
    int row = 0;
    bool daylightSaving = false;

    friend bool operator==(const ZoneRowSetting&, const ZoneRowSetting&) = default;
};

/// The offset from UT in seconds (east positive) that a row and box give.
int OffsetSecondsOf(const ZoneRowSetting& setting);

/// One offset history gives, with the form's way of saying it.
struct HistoricalOffset {
    ZoneOffset offset;
    /// The row and box giving the same total offset; nothing when no row
    /// does (+05:45, local mean time), so the exact offset must be used.
    std::optional<ZoneRowSetting> setting;
};

/// What history says about a local clock reading in a zone. For Unique,
/// earlier and later are the same.
struct ZoneChoice {
    LocalTimeKind kind = LocalTimeKind::Unique;
    HistoricalOffset earlier;
    HistoricalOffset later;
};

/// The row and box that give `offset`. The box is ticked only while daylight
/// saving was in force. Preferred, in order: a row named by the abbreviation
/// it stands for (the zone's standard-time abbreviation `standardAbbreviation`
/// when the box is ticked, the abbreviation in force otherwise); a ticked box
/// while daylight saving was in force; a standard-time row (not named for
/// daylight, summer or war time); the first in the table.
std::optional<ZoneRowSetting> RowSettingFor(const ZoneOffset& offset, std::string_view standardAbbreviation);

/// What history says about `local` in `zone`, each offset mapped to the form.
ZoneChoice ChooseZone(const TimeZone& zone, const LocalDateTime& local);

/// ChooseZone for an IANA id, or nothing with a one-line reason in *error.
std::optional<ZoneChoice> ChooseZone(std::string_view zoneId, const LocalDateTime& local, std::string* error);

}  // namespace zodiora::timezones
