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

/// Short text from a long text: two-digit degree, blank, sign, blank,
/// two-digit minutes, e.g. `16 Sag 31`. Seconds are dropped.
std::string ShortPositionText(std::string_view longText);

/// Characters 4 to 6 (1-based) of a text, as the sign look-ups read a short
/// position text; empty when the text is shorter than 4 characters.
std::string_view SignFieldOfShortText(std::string_view shortText);

/// The sign index 0..11 named by a three-letter abbreviation, or -1.
int SignIndexOfAbbreviation(std::string_view abbreviation);

}  // namespace zodiora
