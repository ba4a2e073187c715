#pragma once

#include "vedic/Friendship.h"

namespace zodiora::strength {

/// B.V. Raman's ahargana: the days from Creation to the (sunrise to
/// sunrise) day whose civil date has Julian Day Number `julianDayNumber`;
/// "Graha and Bhava Balas" counts 714,404,130,045 for 16 October 1918
/// (JDN 2,421,883), the first day being day 1.
long long Ahargana(long long julianDayNumber);

/// The lord of the year (abda): Raman's rule, the weekday of remainder
/// (3 × ⌊ahargana / 360⌋ + 1) mod 7, 1 being Sunday and 0 Saturday.
vedic::Graha YearLord(long long ahargana);

/// The lord of the month (masa): the weekday of (2 × ⌊ahargana / 30⌋ + 1) mod 7.
vedic::Graha MonthLord(long long ahargana);

/// The lord of the weekday of a civil date (Sunday: the Sun .. Saturday: Saturn).
vedic::Graha WeekdayLord(long long julianDayNumber);

/// The lord of the hora `horasSinceSunrise` (0 = the first hour after
/// sunrise, hours of 60 minutes as Raman counts them): the weekday's lord
/// first, then on in the descending order of the planets' periods:
/// Saturn, Jupiter, Mars, Sun, Venus, Mercury, Moon.
vedic::Graha HoraLord(vedic::Graha weekdayLord, int horasSinceSunrise);

}  // namespace zodiora::strength
