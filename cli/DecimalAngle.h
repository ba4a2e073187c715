#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zodiora::cli {

/// An angle as the form's boxes hold it: degree and minute texts and the
/// hemisphere letter.
struct FormAngle {
    std::string degrees;
    std::string minutes;
    char hemisphere;
};

/// A decimal angle, `28.6139N` or `-122.27` (a minus sign means the second
/// hemisphere, `negative`; no letter and no sign the first, `positive`),
/// rounded to the whole arc-minute the form holds. nullopt for anything else.
std::optional<FormAngle> DecimalAngle(std::string_view text, char positive, char negative);

/// The signed degrees an angle text gives, `positive` hemisphere positive:
/// DD:MM followed by the letter, or a decimal as DecimalAngle reads it, to
/// all its decimals. nullopt for anything else.
std::optional<double> AngleDegrees(std::string_view text, char positive, char negative);

}  // namespace zodiora::cli
