#pragma once

#include <QString>
#include <string_view>

namespace zodiora {

/// A zone row's name ("Indian Time") in the windows' language; a name not
/// in the time-zone list comes back as it is (a tz id such as "Asia/Kolkata").
QString ShownZoneName(std::string_view english);

/// Row `row` of the time-zone list as the form lists it: the name in the
/// windows' language, then the abbreviation and correction as stored
/// ("भारतीय समय, IST, +5.3"); the stored text itself in English.
QString ShownZoneRow(int row);

}  // namespace zodiora
