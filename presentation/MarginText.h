#pragma once

#include <string>

#include "birthdata/BirthData.h"
#include "birthdata/UniversalTime.h"
#include "margins/Margins.h"

namespace zodiora {

/// A fact's value for people: "Taurus", "Krittika 4".
std::string MarginValueText(margins::FactValueKind kind, int value);

/// The birth's local clock moved by `seconds`, in the birth's own offset,
/// carried across days, months and years.
CalendarTime ClockAt(const BirthData& birth, long long seconds);

/// The same as ISO 8601 with the birth's offset: "2007-03-22T09:41:12-07:00".
std::string IsoClockAt(const BirthData& birth, long long seconds);

/// "2007-03-22 09:41:12".
std::string ClockText(const CalendarTime& clock);

/// "09:41:12".
std::string TimeOfDayText(const CalendarTime& clock);

}  // namespace zodiora

namespace zodiora {

/// A span of clock time for people: "16 s" under two minutes, whole
/// minutes under two hours ("3 min"), then "3 h 6 min".
std::string SpanText(long long seconds);

/// The sentence for a narrow fact, naming its nearer edge: "Navamsa Lagna
/// changes 3 min earlier: Libra before 09:57:12" or "D24 Lagna changes 16 s
/// later: Scorpio from 16:06:16". Empty when neither edge was found.
std::string NarrowFactText(const BirthData& birth, const margins::FactMargin& margin);

}  // namespace zodiora
