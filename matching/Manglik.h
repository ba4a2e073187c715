#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zodiora::matching {

/// The points Mars is counted from for Kuja (Manglik) dosha.
enum class ManglikReference : int { Lagna, Moon, Venus };

inline constexpr std::array<ManglikReference, 3> AllManglikReferences{ManglikReference::Lagna, ManglikReference::Moon,
                                                                       ManglikReference::Venus};

/// A classical exception to Kuja dosha. Sources differ on which lift the
/// dosha and which only soften it, so they are listed beside it, never
/// folded in.
enum class ManglikException : int {
    /// B.V. Raman ("Muhurtha"; also his "Hindu Predictive Astrology"):
    /// Mars in the 2nd in Gemini or Virgo, the 4th in Aries or Scorpio,
    /// the 7th in Capricorn or Cancer, the 8th in Sagittarius or Pisces,
    /// the 12th in Taurus or Libra.
    HouseSign,
    /// B.V. Raman, the same list: Mars in Leo or Aquarius, in any house.
    LeoOrAquarius,
    /// Mars in its own sign, Aries or Scorpio.
    OwnSign,
    /// Mars exalted, in Capricorn.
    Exalted,
    /// Jupiter in Mars's sign.
    JoinedByJupiter,
    /// Jupiter aspecting Mars (Mars in the 5th, 7th or 9th sign from Jupiter).
    AspectedByJupiter,
    /// The Moon in Mars's sign (Chandra-Mangala).
    JoinedByMoon,
    /// Jupiter or Venus in the Lagna's sign.
    BeneficInLagna,
};

inline constexpr int ManglikExceptionCount = 8;

/// Signs (0 = Aries) of the points Kuja dosha reads from one chart.
struct ManglikSigns {
    int lagna = 0;
    int moon = 0;
    int venus = 0;
    int mars = 0;
    int jupiter = 0;
};

/// Mars counted from one reference.
struct ManglikFromReference {
    ManglikReference reference = ManglikReference::Lagna;
    int house = 1;       ///< Mars's house from the reference, whole signs, 1..12
    bool dosha = false;  ///< the house is the 1st, 2nd, 4th, 7th, 8th or 12th
    /// The exceptions that apply, one bit per ManglikException; only filled
    /// where there is a dosha.
    std::uint16_t exceptions = 0;

    bool has(ManglikException exception) const { return (exceptions >> static_cast<int>(exception)) & 1u; }
};

/// Kuja (Manglik) dosha of one chart, from the Lagna, the Moon and Venus.
struct ManglikFinding {
    int marsSign = 0;
    std::array<ManglikFromReference, 3> from{};

    const ManglikFromReference& fromReference(ManglikReference reference) const
    {
        return from[static_cast<std::size_t>(reference)];
    }
    /// Mars is in a dosha house from at least one reference.
    bool manglik() const;
    /// Every reference with a dosha has at least one exception.
    bool everyDoshaExcepted() const;
};

/// Kuja dosha: Mars in the 1st, 2nd, 4th, 7th, 8th or 12th house (whole
/// signs) from the Lagna, the Moon and Venus, with the exceptions of
/// ManglikException that apply to each. Signs are taken modulo 12.
ManglikFinding ManglikOf(const ManglikSigns& signs);

}  // namespace zodiora::matching
