#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zodiora::vedic {

/// The sixteen divisional charts (Shodasavarga) of Parashara, BPHS ch. 6.
enum class Varga : int { D1, D2, D3, D4, D7, D9, D10, D12, D16, D20, D24, D27, D30, D40, D45, D60 };

inline constexpr int VargaCount = 16;

/// Every varga in the order above.
inline constexpr std::array<Varga, VargaCount> AllVargas{
    Varga::D1,  Varga::D2,  Varga::D3,  Varga::D4,  Varga::D7,  Varga::D9,  Varga::D10, Varga::D12,
    Varga::D16, Varga::D20, Varga::D24, Varga::D27, Varga::D30, Varga::D40, Varga::D45, Varga::D60};

/// Parts a sign is divided into: 1, 2, 3, 4, 7, 9, 10, 12, 16, 20, 24, 27, 30, 40, 45, 60.
int VargaDivisions(Varga varga);

/// "D1" .. "D60".
std::string_view VargaName(Varga varga);

/// The Sanskrit name: "Rasi", "Hora", "Drekkana", … "Shashtyamsa".
std::string_view VargaTitle(Varga varga);

/// Which rules divide the signs. Where schools differ, Parashara is the
/// default and the variant in use is named with the signs.
enum class VargaVariant {
    /// BPHS ch. 6 (R. Santhanam's translation), sign by sign:
    /// D1 the sign; D2 odd signs Leo then Cancer, even signs Cancer then Leo;
    /// D3 the sign, the 5th, the 9th; D4 the sign, the 4th, 7th, 10th;
    /// D7 odd from the sign, even from the 7th; D9 movable from the sign,
    /// fixed from the 9th, dual from the 5th; D10 odd from the sign, even
    /// from the 9th; D12 from the sign; D16 movable/fixed/dual from
    /// Aries/Leo/Sagittarius; D20 from Aries/Sagittarius/Leo; D24 odd from
    /// Leo, even from Cancer; D27 fiery/earthy/airy/watery from
    /// Aries/Cancer/Libra/Capricorn; D30 unequal parts, odd 5°, 5°, 8°, 7°,
    /// 5° to Aries, Aquarius, Sagittarius, Gemini, Libra (Mars, Saturn,
    /// Jupiter, Mercury, Venus), even signs the reverse (Venus, Mercury,
    /// Jupiter, Saturn, Mars: Taurus, Virgo, Pisces, Capricorn, Scorpio);
    /// D40 odd from Aries, even from Libra; D45 movable/fixed/dual from
    /// Aries/Leo/Sagittarius; D60 from the sign.
    Parashara,
    /// Parivritti ("cyclic"): the parts of all twelve signs counted on
    /// from Aries without a break, part n of the zodiac in sign n mod 12;
    /// D30 in equal parts of 1°. P.V.R. Narasimha Rao, Vedic Astrology: An
    /// Integrated Approach, the chapter on divisional charts
    /// (parivritti-dwaya hora, parivritti-traya drekkana). D1, D9 and D27
    /// are the same in both.
    Parivritti,
};

/// "Parashara", "Parivritti".
std::string_view VargaVariantName(VargaVariant variant);

/// Sign, 0 = Aries .. 11 = Pisces, of a finite sidereal longitude (degrees,
/// any range) in a divisional chart. A longitude within 1e-9 part of a part
/// boundary is put on it, so one typed as an exact boundary (for D30,
/// 5°, 10°, 18°, 25° of a sign) lands in the part that starts there. D9 is
/// NavamsaSign, so the two never disagree.
int VargaSign(double siderealLongitude, Varga varga, VargaVariant variant = VargaVariant::Parashara);

/// One point's sign in all sixteen vargas, in AllVargas order.
struct VargaRow {
    std::array<std::int8_t, VargaCount> signs{};  ///< 0 = Aries

    int sign(Varga varga) const { return signs[static_cast<std::size_t>(varga)]; }
    /// Vargottama: the same sign in the birth chart and the Navamsa.
    bool vargottama() const { return sign(Varga::D1) == sign(Varga::D9); }
};

/// The row of a finite sidereal longitude.
VargaRow VargaRowOf(double siderealLongitude, VargaVariant variant = VargaVariant::Parashara);

}  // namespace zodiora::vedic
