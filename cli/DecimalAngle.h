#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zodiora::cli {

/// An angle as the form's boxes hold it: degree, minute and seconds texts
/// and the hemisphere letter. `seconds` is empty for an angle given to the
/// minute.
struct FormAngle {
    std::string degrees;
    std::string minutes;
    std::string seconds;
    char hemisphere;
};

/// `DD:MM` or `DD:MM:SS` (the seconds may have decimals) followed by one
/// of the letters `hemispheres`, split as typed; the fields are checked
/// later, as the form's are. nullopt for any other shape.
std::optional<FormAngle> ColonAngle(std::string_view text, std::string_view hemispheres);

/// A decimal angle, `28.6139N` or `-122.27` (a minus sign means the second
/// hemisphere, `negative`; no letter and no sign the first, `positive`),
/// exactly in degrees, minutes and seconds: n decimals of a degree are n-2
/// decimals of a second (none, and no seconds, for one decimal or none).
/// nullopt for anything else.
std::optional<FormAngle> DecimalAngle(std::string_view text, char positive, char negative);

/// The signed degrees an angle text gives, `positive` hemisphere positive:
/// DD:MM[:SS] followed by the letter, or a decimal as DecimalAngle reads it,
/// to all its decimals. nullopt for anything else.
std::optional<double> AngleDegrees(std::string_view text, char positive, char negative);

}  // namespace zodiora::cli
