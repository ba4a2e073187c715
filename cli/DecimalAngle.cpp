#include "cli/DecimalAngle.h"

#include <charconv>
#include <cstdio>

#include "birthdata/BirthDataInput.h"

namespace zodiora::cli {

namespace {

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
    auto texts = DecimalAngleTexts(text);
    if (!texts) return std::nullopt;
    return FormAngle{std::move(texts->degrees), std::move(texts->minutes), std::move(texts->seconds), hemisphere};
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
