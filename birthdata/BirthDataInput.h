#pragma once

#include <optional>
#include <string>
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

/// The form's texts for an unsigned angle.
struct AngleTexts {
    std::string degrees;
    std::string minutes;
    std::string seconds;  ///< empty: the angle is a whole number of minutes as given
};

/// An unsigned decimal angle ("21.64219": up to three digits, then
/// optionally a point and up to twelve decimals) as degrees, minutes and
/// seconds, exactly: n decimals of a degree are n - 2 decimals of a second
/// (3600 = 36 x 100), and one decimal or none is a whole number of minutes.
/// Nothing for any other text.
std::optional<AngleTexts> DecimalAngleTexts(std::string_view text);

}  // namespace zodiora
