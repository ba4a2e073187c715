#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "engine/Body.h"

namespace zodiora::margins {

/// How a fact's value is read: its meaning for the edge that names it.
enum class FactValueKind {
    Sign,           ///< 0 = Aries .. 11 = Pisces
    NakshatraPada,  ///< nakshatra index × 4 + pada − 1: 0 = Ashwini 1 .. 107 = Revati 4
    Tithi,          ///< tithi − 1: 0 = Shukla Pratipada .. 29 = Amavasya
};

/// One fact of a chart that a birth-time error can change. Its value is a
/// function of one angle: a point's sidereal longitude, or, with `from`, the
/// point's longitude less another's (the tithi: the Moon from the Sun). The
/// angle only moves forward (the Ascendant away from the poles, the Moon,
/// the elongation), which is what lets the search find the edge exactly.
/// A new fact is one more entry in a list like StandardFacts.
struct MarginFact {
    std::string_view key;    ///< its JSON key: "lagnaSign", "D10Lagna"
    std::string_view title;  ///< its name for people: "Lagna sign"
    Body point;
    std::optional<Body> from;
    FactValueKind kind;
    /// The value at an angle in [0, 360). No value may hold on a stretch
    /// narrower than FactScanStep (the narrowest part, D60's, is 0.5°).
    int (*valueOf)(double angle);
};

/// The angle step in which a fact's segment is first bracketed before it
/// is bisected: less than the narrowest stretch any fact's value holds.
inline constexpr double FactScanStep = 0.25;

/// The facts of the birth-time margins, in output order: the Lagna sign,
/// its nakshatra and pada, the Moon's sign, nakshatra and pada (the dasha
/// lord and the birth balance's lord follow the Moon's nakshatra), the
/// Navamsa Lagna, then the Lagna of every other varga D2 .. D60 (Parashara
/// rules, vedic/Varga.h; D1 is the Lagna sign and D9 the Navamsa Lagna),
/// and last the tithi (the Moon's elongation from the Sun, panchang/).
std::span<const MarginFact> StandardFacts();

}  // namespace zodiora::margins
