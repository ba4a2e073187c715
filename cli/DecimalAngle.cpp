#include "cli/DecimalAngle.h"

#include <charconv>
#include <cstdio>

namespace zodiora::cli {

namespace {

bool AllDigits(std::string_view part)
{
    return part.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<double> Number(std::string_view text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<FormAngle> ColonAngle(std::string_view text, std::string_view hemispheres)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || text.size() < colon + 2) {
        return std::nullopt;
    }
    const char hemisphere = text.back();
    if (hemispheres.find(hemisphere) == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view rest = text.substr(colon + 1, text.size() - colon - 2);
    const std::size_t second = rest.find(':');
    if (second == std::string_view::npos) {
        return FormAngle{std::string(text.substr(0, colon)), std::string(rest), {}, hemisphere};
    }
    if (second + 1 == rest.size()) return std::nullopt;  // "28:37:N": seconds promised, none given
    return FormAngle{std::string(text.substr(0, colon)), std::string(rest.substr(0, second)),
                     std::string(rest.substr(second + 1)), hemisphere};
}

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
    if (whole.empty() || whole.size() > 3 || fraction.size() > 12 || !AllDigits(whole) || !AllDigits(fraction) ||
        (point != std::string_view::npos && fraction.empty())) {
        return std::nullopt;
    }
    // In whole numbers, so that nothing is rounded: the fraction is
    // digits / 10^n of a degree; 3600 = 36 * 100 makes its seconds exact
    // with n - 2 decimals.
    long long digits = 0;
    long long scale = 1;
    for (const char c : fraction) {
        digits = digits * 10 + (c - '0');
        scale *= 10;
    }
    long long degrees = 0;
    for (const char c : whole) degrees = degrees * 10 + (c - '0');
    const long long minutes = digits * 60 / scale;
    FormAngle angle{std::to_string(degrees), std::to_string(minutes), {}, hemisphere};
    if (fraction.size() >= 2) {
        const long long hundredths = (digits * 60 % scale) * 60 / 100;  // seconds in units of scale / 100
        const long long unit = scale / 100;
        const int decimals = static_cast<int>(fraction.size()) - 2;
        char seconds[48];
        if (decimals == 0) {
            std::snprintf(seconds, sizeof seconds, "%02lld", hundredths);
        } else {
            std::snprintf(seconds, sizeof seconds, "%02lld.%0*lld", hundredths / unit, decimals, hundredths % unit);
        }
        angle.seconds = seconds;
    }
    return angle;
}

std::optional<double> AngleDegrees(std::string_view text, char positive, char negative)
{
    if (!text.empty() && text.find(':') != std::string_view::npos) {
        const char hemispheres[] = {positive, negative, '\0'};
        const auto angle = ColonAngle(text, hemispheres);
        if (!angle) return std::nullopt;
        const auto degrees = Number(angle->degrees);
        const auto minutes = Number(angle->minutes);
        const auto seconds = angle->seconds.empty() ? std::optional<double>(0) : Number(angle->seconds);
        if (!degrees || !minutes || !seconds) return std::nullopt;
        // Seconds only when given: DD:MM keeps the sum it always had.
        double value = *degrees + *minutes / 60.0;
        if (!angle->seconds.empty()) value += *seconds / 3600.0;
        return angle->hemisphere == negative ? -value : value;
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
