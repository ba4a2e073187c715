#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>

#include "precise/SiderealChoice.h"

namespace zodiora {

/// Which computation gives the positions.
enum class Ephemeris {
    Classic,  ///< mean orbital elements and a lunar series, the program's own method
    Precise,  ///< the Swiss Ephemeris's analytic theory
};

/// "classic" or "precise".
constexpr const char* EphemerisName(Ephemeris ephemeris)
{
    return ephemeris == Ephemeris::Precise ? "precise" : "classic";
}

/// The length of the year dasha periods are measured in.
enum class DashaYear {
    Julian,     ///< 365.25 days, the program's default
    Gregorian,  ///< 365.2425 days
    Sidereal,   ///< 365.256363 days, the Sun's return to the same star
    Savana,     ///< 360 days of sunrise to sunrise (BPHS's savana year)
};

/// Which benefic-point table gives the Ashtakavarga (strength/Ashtakavarga.h).
enum class AshtakavargaTable {
    NarasimhaRao,  ///< P.V.R. Narasimha Rao, Vedic Astrology: An Integrated Approach (the default)
    Raman,         ///< B.V. Raman, Ashtakavarga System of Prediction
};

/// Days in a dasha year of the kind.
double DaysPerYear(DashaYear year);

/// Everything a user may choose about how a chart is calculated. A saved
/// chart keeps it (SettingsText); the command line and the Settings menu
/// choose it; every output names it.
struct CalculationSettings {
    Ephemeris ephemeris = Ephemeris::Classic;
    AyanamsaKind ayanamsa = AyanamsaKind::Lahiri;
    NodeKind node = NodeKind::Mean;
    DashaYear dashaYear = DashaYear::Julian;
    AshtakavargaTable ashtakavarga = AshtakavargaTable::NarasimhaRao;
    friend bool operator==(const CalculationSettings&, const CalculationSettings&) = default;
};

/// One value of a setting: its key in texts and on the command line, and
/// its name for people.
template <typename Value>
struct SettingChoice {
    Value value;
    std::string_view key;    ///< "fagan-bradley"
    std::string_view title;  ///< "Fagan-Bradley"
};

inline constexpr std::array<SettingChoice<Ephemeris>, 2> EphemerisChoices{{
    {Ephemeris::Classic, "classic", "Classic"},
    {Ephemeris::Precise, "precise", "Precise"},
}};

inline constexpr std::array<SettingChoice<AyanamsaKind>, 6> AyanamsaChoices{{
    {AyanamsaKind::Lahiri, "lahiri", "Lahiri"},
    {AyanamsaKind::Raman, "raman", "Raman"},
    {AyanamsaKind::Krishnamurti, "krishnamurti", "Krishnamurti (KP)"},
    {AyanamsaKind::FaganBradley, "fagan-bradley", "Fagan-Bradley"},
    {AyanamsaKind::TrueChitra, "true-chitra", "True Chitra"},
    {AyanamsaKind::Yukteshwar, "yukteshwar", "Yukteshwar"},
}};

inline constexpr std::array<SettingChoice<NodeKind>, 2> NodeChoices{{
    {NodeKind::Mean, "mean", "mean"},
    {NodeKind::True, "true", "true"},
}};

inline constexpr std::array<SettingChoice<DashaYear>, 4> DashaYearChoices{{
    {DashaYear::Julian, "julian", "Julian"},
    {DashaYear::Gregorian, "gregorian", "Gregorian"},
    {DashaYear::Sidereal, "sidereal", "sidereal"},
    {DashaYear::Savana, "savana", "savana"},
}};

inline constexpr std::array<SettingChoice<AshtakavargaTable>, 2> AshtakavargaTableChoices{{
    {AshtakavargaTable::NarasimhaRao, "pvr", "P.V.R. Narasimha Rao"},
    {AshtakavargaTable::Raman, "raman", "B.V. Raman"},
}};

/// The choices of a setting's type, for the templates below.
constexpr std::span<const SettingChoice<Ephemeris>> ChoicesOf(Ephemeris) { return EphemerisChoices; }
constexpr std::span<const SettingChoice<AyanamsaKind>> ChoicesOf(AyanamsaKind) { return AyanamsaChoices; }
constexpr std::span<const SettingChoice<NodeKind>> ChoicesOf(NodeKind) { return NodeChoices; }
constexpr std::span<const SettingChoice<DashaYear>> ChoicesOf(DashaYear) { return DashaYearChoices; }
constexpr std::span<const SettingChoice<AshtakavargaTable>> ChoicesOf(AshtakavargaTable)
{
    return AshtakavargaTableChoices;
}

/// The key of a value ("raman"); every value has one.
template <typename Value>
constexpr std::string_view KeyOf(Value value)
{
    for (const auto& choice : ChoicesOf(Value{})) {
        if (choice.value == value) return choice.key;
    }
    return {};
}

/// The name of a value for people ("Krishnamurti (KP)").
template <typename Value>
constexpr std::string_view TitleOf(Value value)
{
    for (const auto& choice : ChoicesOf(Value{})) {
        if (choice.value == value) return choice.title;
    }
    return {};
}

/// The value of a key, exactly as KeyOf writes it; nothing for any other text.
template <typename Value>
constexpr std::optional<Value> ParseChoice(std::string_view key)
{
    for (const auto& choice : ChoicesOf(Value{})) {
        if (choice.key == key) return choice.value;
    }
    return std::nullopt;
}

/// The keys of a setting's values joined by `separator`: "mean|true".
template <typename Value>
std::string ChoiceKeys(std::string_view separator)
{
    std::string keys;
    for (const auto& choice : ChoicesOf(Value{})) {
        if (!keys.empty()) keys.append(separator);
        keys.append(choice.key);
    }
    return keys;
}

/// One setting of CalculationSettings as texts hold it: `key=value`.
template <typename Value>
struct SettingField {
    std::string_view key;
    Value CalculationSettings::*member;
};

/// Every setting, in the order of SettingsText. A new setting is a member
/// above, its enumeration with ChoicesOf, and one line here: texts, saved
/// charts and the command line's --KEY options follow from it.
inline constexpr auto SettingFields = std::make_tuple(
    SettingField<Ephemeris>{"ephemeris", &CalculationSettings::ephemeris},
    SettingField<AyanamsaKind>{"ayanamsa", &CalculationSettings::ayanamsa},
    SettingField<NodeKind>{"node", &CalculationSettings::node},
    SettingField<DashaYear>{"dasha-year", &CalculationSettings::dashaYear},
    SettingField<AshtakavargaTable>{"ashtakavarga", &CalculationSettings::ashtakavarga});

/// Calls `visit(field)` for every SettingField in order.
template <typename Visit>
constexpr void ForEachSettingField(Visit&& visit)
{
    std::apply([&](const auto&... field) { (visit(field), ...); }, SettingFields);
}

/// The canonical one-line text of settings, every key in order:
/// "ephemeris=precise ayanamsa=raman node=true dasha-year=julian ashtakavarga=pvr".
std::string SettingsText(const CalculationSettings& settings);

/// Settings from a text of blank-separated `key=value` words laid over
/// `base`: a known key with a known value sets it; unknown keys (of a newer
/// program), unknown values and words without '=' are skipped, so any text
/// reads and a missing key keeps the base's value.
CalculationSettings ParseSettingsText(std::string_view text, CalculationSettings base = {});

/// Whether `key=value` names a known setting and one of its values.
bool IsSettingWord(std::string_view key, std::string_view value);

}  // namespace zodiora
