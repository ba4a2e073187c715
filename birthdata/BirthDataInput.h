#pragma once

#include <optional>
#include <string_view>

#include "birthdata/BirthData.h"
#include "birthdata/BirthFormInput.h"
#include "birthdata/Text.h"
#include "birthdata/UserMessage.h"

namespace zodiora {

/// Runs the input checks in order and returns the first failure's
/// message (text, icon, focus), or nothing when the input may be charted.
std::optional<UserMessage> ValidateBirthData(const BirthFormInput& input);

/// Fills `birth` from input that passed ValidateBirthData. The zone
/// correction is recomputed from the selected row; a row outside the table
/// keeps the correction already in `birth`.
void ReadBirthData(const BirthFormInput& input, BirthData& birth);

/// Whether `year` has a 29 February in the Gregorian calendar.
bool IsGregorianLeapYear(int year);

/// The value of a field that holds only decimal digits once blanks around it
/// are trimmed; nothing for an empty text, any other character, or a value
/// too large to matter (above 99999).
std::optional<int> DigitFieldValue(std::string_view text);

/// The seconds of arc a seconds field holds: one or two digits, then
/// optionally a point and up to nine decimals ("24", "07.5"), below 60
/// once blanks around it are trimmed; nothing for an empty text or any
/// other.
std::optional<ArcSeconds> ArcSecondsValue(std::string_view text);

}  // namespace zodiora
