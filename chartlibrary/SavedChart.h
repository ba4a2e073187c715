#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "birthdata/BirthFormInput.h"

namespace zodiora {

/// One chart kept in the library: the birth form exactly as it was filled
/// in (with its seconds and exact offset), the zone id the offset came from,
/// the user's note and the library's own bookkeeping.
struct SavedChart {
    std::int64_t id = 0;  ///< 0 = not saved yet; the library assigns it
    BirthFormInput form;
    std::string zoneId;                         ///< IANA zone, e.g. "Asia/Kolkata"; empty = the form's zone row
    std::string note;
    /// How the chart is calculated, the canonical text of engine's
    /// CalculationSettings (SettingsText); empty = the preferences' defaults.
    /// Kept as text so the library stays below the engine.
    std::string settings;
    /// How many minutes either way the birth time may be off (the
    /// birth-time margins' uncertainty); 5 for a chart saved before it was kept.
    int timeUncertaintyMinutes = 5;
    std::int64_t createdMs = 0;   ///< UTC, milliseconds since 1970; set by the library
    std::int64_t modifiedMs = 0;  ///< UTC, milliseconds since 1970; set by the library on every save
};

}  // namespace zodiora
