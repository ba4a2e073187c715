#pragma once

#include <string>
#include <string_view>

#include "birthdata/BirthData.h"
#include "engine/Chart.h"
#include "vocabulary/Vocabulary.h"

namespace zodiora {

/// Where a birth's clock time was read.
struct ClockReading {
    std::string zone;          ///< a tz id ("Asia/Kolkata") or a zone row's name ("Indian Time")
    std::string abbreviation;  ///< "IST"; may be empty
    int offsetSeconds = 0;     ///< ahead of UT, east positive, daylight saving included
    bool daylightSaving = false;  ///< a zone row's daylight-saving box was ticked
    /// The place whose own local mean time the clock kept ("Porbandar");
    /// empty when the clock kept a zone's time.
    std::string meanTimeOf;
};

/// The clock of a birth record whose offset is the birth place's local mean
/// time: named after its city, or "the birth place" without one.
ClockReading MeanTimeClockOf(const BirthData& birth);

/// The clock of a birth record: the tz zone `zoneId` with `abbreviation`
/// when the offset came from history (`zoneId` not empty), else the zone
/// row with its daylight-saving box; an exact offset without a zone id
/// names no zone.
ClockReading ClockOf(const BirthData& birth, std::string_view zoneId = {}, std::string_view abbreviation = {});

/// The settings a chart was calculated with and where its clock was read,
/// in one line (UTF-8), so two users comparing charts see at once why they
/// differ: "Precise ephemeris (Swiss Ephemeris) · Lahiri ayanamsa 23°48′51″ ·
/// mean node · dasha year 365.25 days · clock: Asia/Kolkata IST +05:30"
/// ("clock: Local mean time of Porbandar, +04:38:24" for a place's own mean time).
/// The ayanamsa's value is the chart's at the moment, to the nearest second.
std::string CalculationLine(const Chart& chart, const ClockReading& clock);

/// The same line in `language`: the settings' words from its table, the zone,
/// its abbreviation and the place's name as they are ("सटीक ग्रह सारणी (स्विस
/// एफ़ेमेरिस) · लाहिड़ी अयनांश 23°48′51″ · मध्यम राहु · दशा वर्ष 365.25 दिन ·
/// घड़ी: Asia/Kolkata IST +05:30"). English gives CalculationLine(chart, clock).
std::string CalculationLine(const Chart& chart, const ClockReading& clock, vocabulary::Language language);

}  // namespace zodiora
