#include "precise/HinduSunrise.h"

#include <swephexp.h>

namespace zodiora::precise {

namespace {

struct Event {
    SunriseOutcome outcome = SunriseOutcome::Refused;
    double jd = 0;
};

// The first rising or setting (`event`) after `after`; the library answers
// -2 when the Sun stays above or below the horizon.
Event Next(double after, int event, double latitude, double longitudeEast)
{
    double geo[3]{longitudeEast, latitude, 0};
    double when = 0;
    char error[AS_MAXCH];
    const int status = swe_rise_trans(after, SE_SUN, nullptr, SEFLG_MOSEPH, event | SE_BIT_HINDU_RISING, geo, 0, 0,
                                      &when, error);
    if (status == -2) return {SunriseOutcome::NoSunrise, 0};
    if (status != 0) return {SunriseOutcome::Refused, 0};
    return {SunriseOutcome::Found, when};
}

HinduDay Failed(SunriseOutcome outcome)
{
    HinduDay day;
    day.outcome = outcome;
    return day;
}

}  // namespace

HinduDay HinduDayAt(double jdUt, double latitude, double longitudeEast)
{
    // The last sunrise at or before the moment: the first after a day and a
    // half earlier, then on while the following one is still not later. A
    // sunrise found weeks away (the end of a polar night) is no sunrise of this day.
    Event rise = Next(jdUt - 1.5, SE_CALC_RISE, latitude, longitudeEast);
    if (rise.outcome != SunriseOutcome::Found) return Failed(rise.outcome);
    if (rise.jd > jdUt) return Failed(SunriseOutcome::NoSunrise);
    for (int guard = 0; guard < 3; ++guard) {
        const Event following = Next(rise.jd + 0.01, SE_CALC_RISE, latitude, longitudeEast);
        if (following.outcome != SunriseOutcome::Found) return Failed(following.outcome);
        if (following.jd > jdUt) {
            const Event set = Next(rise.jd, SE_CALC_SET, latitude, longitudeEast);
            if (set.outcome != SunriseOutcome::Found) return Failed(set.outcome);
            if (set.jd > following.jd) return Failed(SunriseOutcome::NoSunrise);
            return HinduDay{SunriseOutcome::Found, rise.jd, set.jd, following.jd};
        }
        rise = following;
    }
    return Failed(SunriseOutcome::NoSunrise);
}

}  // namespace zodiora::precise
