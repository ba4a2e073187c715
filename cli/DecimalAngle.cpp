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

std::optional<double> AngleDegrees(std::string_view text, char positive, char negative)
{
    if (!text.empty() && text.find(':') != std::string_view::npos) {
        const char hemisphere = text.back();
        if (hemisphere != positive && hemisphere != negative) return std::nullopt;
        const std::size_t colon = text.find(':');
        double degrees = 0;
        double minutes = 0;
        const auto whole = text.substr(0, colon);
        const auto part = text.substr(colon + 1, text.size() - colon - 2);
        if (std::from_chars(whole.data(), whole.data() + whole.size(), degrees).ptr != whole.data() + whole.size() ||
            std::from_chars(part.data(), part.data() + part.size(), minutes).ptr != part.data() + part.size()) {
            return std::nullopt;
        }
        const double value = degrees + minutes / 60.0;
        return hemisphere == negative ? -value : value;
    }
    if (!DecimalAngle(text, positive, negative)) return std::nullopt;
    const bool second = (!text.empty() && text.back() == negative) || (!text.empty() && text.front() == '-');
    if (!text.empty() && (text.back() == positive || text.back() == negative)) text.remove_suffix(1);
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return second ? -value : value;
}

}  // namespace zodiora::cli
