#include "vedic/Varga.h"

#include <cmath>
#include <utility>

#include "vedic/Navamsa.h"

namespace zodiora::vedic {

namespace {

constexpr std::array<int, VargaCount> Divisions{1, 2, 3, 4, 7, 9, 10, 12, 16, 20, 24, 27, 30, 40, 45, 60};

constexpr std::array<std::string_view, VargaCount> VargaNames{"D1",  "D2",  "D3",  "D4",  "D7",  "D9",
                                                         "D10", "D12", "D16", "D20", "D24", "D27",
                                                         "D30", "D40", "D45", "D60"};

constexpr std::array<std::string_view, VargaCount> Titles{
    "Rasi",        "Hora",        "Drekkana",      "Chaturthamsa", "Saptamsa",   "Navamsa",
    "Dasamsa",     "Dwadasamsa",  "Shodasamsa",    "Vimsamsa",     "Chaturvimsamsa", "Nakshatramsa",
    "Trimsamsa",   "Khavedamsa",  "Akshavedamsa",  "Shashtyamsa"};

constexpr int Aries = 0, Taurus = 1, Gemini = 2, Cancer = 3, Leo = 4, Virgo = 5, Libra = 6, Scorpio = 7,
              Sagittarius = 8, Capricorn = 9, Aquarius = 10, Pisces = 11;

/// The part of the zodiac, [0, 12 × partsPerSign), of a finite longitude
/// cut into parts of 30° / partsPerSign from 0° Aries; a longitude within
/// 1e-9 part of a boundary is put on it (as vedic/Quarters does).
template <int PartsPerSign>
int ZodiacPart(double longitude)
{
    constexpr int partsPerSign = PartsPerSign;
    constexpr int count = 12 * partsPerSign;
    double q = longitude * (partsPerSign / 30.0);
    if (!(q >= 0 && q < count)) {
        q = std::fmod(q, static_cast<double>(count));
        if (q < 0) q += count;
    }
    // q is in [0, count]: truncating rounds down (std::floor is a library
    // call on plain x86-64, and a chart asks for 208 of these).
    const int nearest = static_cast<int>(q + 0.5);
    if (std::abs(q - nearest) < 1e-9) q = nearest;
    const int part = static_cast<int>(q);
    return part >= count ? part - count : part;
}

bool OddSign(int sign)
{
    return sign % 2 == 0;  // Aries, the first sign, is odd
}

/// BPHS's unequal trimsamsas: the degree 0..29 within the sign to its sign.
int ParasharaTrimsamsa(int sign, int degree)
{
    if (OddSign(sign)) {
        return degree < 5 ? Aries : degree < 10 ? Aquarius : degree < 18 ? Sagittarius : degree < 25 ? Gemini : Libra;
    }
    return degree < 5 ? Taurus : degree < 12 ? Virgo : degree < 20 ? Pisces : degree < 25 ? Capricorn : Scorpio;
}

/// The sign the first part of `sign` goes to, by Parashara's rule; the
/// parts that follow go to the signs after it.
int ParasharaStart(Varga varga, int sign)
{
    const bool odd = OddSign(sign);
    constexpr std::array<int, 3> FromAriesLeoSagittarius{Aries, Leo, Sagittarius};
    switch (varga) {
    case Varga::D7: return odd ? sign : sign + 6;
    case Varga::D10: return odd ? sign : sign + 8;
    case Varga::D16:
    case Varga::D45: return FromAriesLeoSagittarius[static_cast<std::size_t>(sign % 3)];
    case Varga::D20: return std::array<int, 3>{Aries, Sagittarius, Leo}[static_cast<std::size_t>(sign % 3)];
    case Varga::D24: return odd ? Leo : Cancer;
    case Varga::D27: return std::array<int, 4>{Aries, Cancer, Libra, Capricorn}[static_cast<std::size_t>(sign % 4)];
    case Varga::D40: return odd ? Aries : Libra;
    default: return sign;  // D1, D12, D60
    }
}

// The divisions are constants of each varga, so a chart's 208 signs take
// no integer division by a variable (a batch with --with vargas asks for
// them in every chart).
template <Varga V>
int ParasharaSign(double longitude)
{
    if constexpr (V == Varga::D9) {
        return NavamsaSign(longitude);
    } else {
        constexpr int divisions = Divisions[static_cast<std::size_t>(V)];
        const int part = ZodiacPart<divisions>(longitude);
        const int sign = part / divisions;
        const int k = part % divisions;
        if constexpr (V == Varga::D2) return (k == 0) == OddSign(sign) ? Leo : Cancer;
        if constexpr (V == Varga::D3) return (sign + 4 * k) % 12;
        if constexpr (V == Varga::D4) return (sign + 3 * k) % 12;
        if constexpr (V == Varga::D30) return ParasharaTrimsamsa(sign, k);
        return (ParasharaStart(V, sign) + k) % 12;
    }
}

template <Varga V>
int ParivrittiSign(double longitude)
{
    if constexpr (V == Varga::D9) {
        return NavamsaSign(longitude);
    } else {
        return ZodiacPart<Divisions[static_cast<std::size_t>(V)]>(longitude) % 12;
    }
}

using SignFunction = int (*)(double);

template <std::size_t... K>
constexpr std::array<SignFunction, VargaCount> SignFunctions(VargaVariant variant, std::index_sequence<K...>)
{
    if (variant == VargaVariant::Parivritti) return {&ParivrittiSign<AllVargas[K]>...};
    return {&ParasharaSign<AllVargas[K]>...};
}

template <std::size_t... K>
VargaRow RowOf(double longitude, VargaVariant variant, std::index_sequence<K...>)
{
    VargaRow row;
    if (variant == VargaVariant::Parivritti) {
        ((row.signs[K] = static_cast<std::int8_t>(ParivrittiSign<AllVargas[K]>(longitude))), ...);
    } else {
        ((row.signs[K] = static_cast<std::int8_t>(ParasharaSign<AllVargas[K]>(longitude))), ...);
    }
    return row;
}

}  // namespace

int VargaDivisions(Varga varga)
{
    return Divisions[static_cast<std::size_t>(varga)];
}

std::string_view VargaName(Varga varga)
{
    return VargaNames[static_cast<std::size_t>(varga)];
}

std::string_view VargaTitle(Varga varga)
{
    return Titles[static_cast<std::size_t>(varga)];
}

std::string_view VargaVariantName(VargaVariant variant)
{
    return variant == VargaVariant::Parivritti ? "Parivritti" : "Parashara";
}

int VargaSign(double siderealLongitude, Varga varga, VargaVariant variant)
{
    static constexpr auto Parashara = SignFunctions(VargaVariant::Parashara, std::make_index_sequence<VargaCount>{});
    static constexpr auto Parivritti = SignFunctions(VargaVariant::Parivritti, std::make_index_sequence<VargaCount>{});
    const auto& functions = variant == VargaVariant::Parivritti ? Parivritti : Parashara;
    return functions[static_cast<std::size_t>(varga)](siderealLongitude);
}

VargaRow VargaRowOf(double siderealLongitude, VargaVariant variant)
{
    return RowOf(siderealLongitude, variant, std::make_index_sequence<VargaCount>{});
}

}  // namespace zodiora::vedic
