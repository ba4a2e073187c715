#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "birthdata/BirthFormInput.h"

namespace zodiora {

/// One chart kept in the library: the birth form exactly as it was filled
/// in, plus what the form cannot hold yet (a zone id and an exact offset
/// from the atlas, the seconds of the birth time), the user's note and the
/// library's own bookkeeping.
struct SavedChart {
    std::int64_t id = 0;  ///< 0 = not saved yet; the library assigns it
    BirthFormInput form;
    int second = 0;                             ///< 0..59, added to form.minute
    std::string zoneId;                         ///< IANA zone, e.g. "Asia/Kolkata"; empty = the form's zone row
    std::optional<int> utOffsetSeconds;         ///< exact local time minus UT; empty = from the zone
    std::string note;
    std::int64_t createdMs = 0;   ///< UTC, milliseconds since 1970; set by the library
    std::int64_t modifiedMs = 0;  ///< UTC, milliseconds since 1970; set by the library on every save
};

}  // namespace zodiora
