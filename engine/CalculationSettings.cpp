#include "engine/CalculationSettings.h"

namespace zodiora {

double DaysPerYear(DashaYear year)
{
    switch (year) {
    case DashaYear::Gregorian: return 365.2425;
    case DashaYear::Sidereal: return 365.256363;
    case DashaYear::Savana: return 360.0;
    case DashaYear::Julian: break;
    }
    return 365.25;
}

std::string SettingsText(const CalculationSettings& settings)
{
    std::string text;
    ForEachSettingField([&](const auto& field) {
        if (!text.empty()) text.push_back(' ');
        text.append(field.key).append("=").append(KeyOf(settings.*field.member));
    });
    return text;
}

namespace {

// Sets the setting `key` to `value` when both are known; says whether it did.
bool Apply(CalculationSettings& settings, std::string_view key, std::string_view value)
{
    bool applied = false;
    ForEachSettingField([&](const auto& field) {
        if (field.key != key) return;
        using Value = std::remove_cvref_t<decltype(settings.*field.member)>;
        if (const auto parsed = ParseChoice<Value>(value)) {
            settings.*field.member = *parsed;
            applied = true;
        }
    });
    return applied;
}

}  // namespace

CalculationSettings ParseSettingsText(std::string_view text, CalculationSettings base)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t blank = text.find(' ', start);
        const std::size_t end = blank == std::string_view::npos ? text.size() : blank;
        const std::string_view word = text.substr(start, end - start);
        const std::size_t equals = word.find('=');
        if (equals != std::string_view::npos) Apply(base, word.substr(0, equals), word.substr(equals + 1));
        start = end + 1;
    }
    return base;
}

bool IsSettingWord(std::string_view key, std::string_view value)
{
    CalculationSettings scratch;
    return Apply(scratch, key, value);
}

}  // namespace zodiora
