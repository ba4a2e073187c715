#include "cli/DecimalAngle.h"

#include <charconv>
#include <cmath>

namespace zodiora::cli {

std::optional<FormAngle> DecimalAngle(std::string_view text, char positive, char negative)
{
    char hemisphere = positive;
    if (!text.empty() && (text.back() == positive || text.back() == negative)) {
        hemisphere = text.back();
        text.remove_suffix(1);
    } else if (!text.empty() && text.front() == '-') {
        hemisphere = negative;
        text.remove_prefix(1);
    }
    // Digits with at most one point; from_chars alone would take exponents.
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (whole.empty() || whole.size() > 3 || fraction.size() > 12 || !digits(whole) || !digits(fraction) ||
        (point != std::string_view::npos && fraction.empty())) {
        return std::nullopt;
    }
    double degrees = 0;
    std::from_chars(text.data(), text.data() + text.size(), degrees);
    const long minutes = std::lround(degrees * 60.0);
    return FormAngle{std::to_string(minutes / 60), std::to_string(minutes % 60), hemisphere};
}

}  // namespace zodiora::cli
