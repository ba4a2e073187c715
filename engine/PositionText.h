#pragma once

#include <string>
#include <string_view>

namespace zodiora {

/// The twelve sign abbreviations as one string; sign k is at [3k, 3k+3).
inline constexpr std::string_view SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

/// Abbreviation of sign index k (0 = Aries); empty for k outside 0..11.
std::string_view SignAbbreviation(int k);

/// Long text of a longitude in degrees, e.g. 256.5255 -> `16° 31' 31" Sag`.
/// The sign of the angle is dropped; degrees, minutes and seconds are
/// truncated; 360 and above carry an empty sign. UTF-8 degree sign.
std::string LongPositionText(double degrees);

/// LongPositionText appended to `out`.
void AppendLongPositionText(std::string& out, double degrees);

/// Room PutLongPositionText needs, with a seconds mark of up to two bytes.
inline constexpr std::size_t LongPositionRoom = 80;

/// LongPositionText written at `at` with `secondsMark` for the seconds'
/// quote (`\"` for JSON, which escapes it); returns the end.
char* PutLongPositionText(char* at, double degrees, std::string_view secondsMark = "\"");

/// Short text from a long text: two-digit degree, blank, sign, blank,
/// two-digit minutes, e.g. `16 Sag 31`. Seconds are dropped.
std::string ShortPositionText(std::string_view longText);

/// The short text of a longitude in degrees, e.g. 256.5255 -> `16 Sag 31`.
std::string ShortPositionText(double degrees);

/// The same written over `text`, which keeps its room.
void AssignShortPositionText(std::string& text, double degrees);

/// Sign index 0..11 (0 = Aries) of a longitude in degrees, the sign its
/// position text names; -1 outside [0, 360), where the text names none.
constexpr int SignOf(double degrees)
{
    return degrees >= 0 && degrees < 360.0 ? static_cast<int>(degrees / 30.0) : -1;
}

}  // namespace zodiora
