#include "matching/Manglik.h"

namespace zodiora::matching {

namespace {

constexpr int Aries = 0, Taurus = 1, Gemini = 2, Cancer = 3, Leo = 4, Virgo = 5, Libra = 6, Scorpio = 7,
              Sagittarius = 8, Capricorn = 9, Aquarius = 10, Pisces = 11;

int Sign(int sign)
{
    return (sign % 12 + 12) % 12;
}

// Whole-sign house of `sign` counted from `from`, 1..12.
int HouseFrom(int from, int sign)
{
    return Sign(sign - from) + 1;
}

bool IsDoshaHouse(int house)
{
    return house == 1 || house == 2 || house == 4 || house == 7 || house == 8 || house == 12;
}

bool RamanHouseSign(int house, int mars)
{
    const auto either = [mars](int a, int b) { return mars == a || mars == b; };
    switch (house) {
    case 2: return either(Gemini, Virgo);
    case 4: return either(Aries, Scorpio);
    case 7: return either(Capricorn, Cancer);
    case 8: return either(Sagittarius, Pisces);
    case 12: return either(Taurus, Libra);
    default: return false;
    }
}

std::uint16_t ExceptionsAt(int house, const ManglikSigns& s)
{
    const int mars = Sign(s.mars);
    const int jupiterToMars = HouseFrom(s.jupiter, mars);
    const bool applies[ManglikExceptionCount]{
        RamanHouseSign(house, mars),
        mars == Leo || mars == Aquarius,
        mars == Aries || mars == Scorpio,
        mars == Capricorn,
        jupiterToMars == 1,
        jupiterToMars == 5 || jupiterToMars == 7 || jupiterToMars == 9,
        Sign(s.moon) == mars,
        Sign(s.jupiter) == Sign(s.lagna) || Sign(s.venus) == Sign(s.lagna),
    };
    std::uint16_t bits = 0;
    for (int k = 0; k < ManglikExceptionCount; ++k) {
        if (applies[k]) bits |= static_cast<std::uint16_t>(1u << k);
    }
    return bits;
}

}  // namespace

bool ManglikFinding::manglik() const
{
    for (const ManglikFromReference& one : from) {
        if (one.dosha) return true;
    }
    return false;
}

bool ManglikFinding::everyDoshaExcepted() const
{
    for (const ManglikFromReference& one : from) {
        if (one.dosha && one.exceptions == 0) return false;
    }
    return true;
}

ManglikFinding ManglikOf(const ManglikSigns& signs)
{
    ManglikFinding finding;
    finding.marsSign = Sign(signs.mars);
    for (const ManglikReference reference : AllManglikReferences) {
        const int from = reference == ManglikReference::Lagna  ? signs.lagna
                         : reference == ManglikReference::Moon ? signs.moon
                                                               : signs.venus;
        ManglikFromReference& one = finding.from[static_cast<std::size_t>(reference)];
        one.reference = reference;
        one.house = HouseFrom(from, finding.marsSign);
        one.dosha = IsDoshaHouse(one.house);
        if (one.dosha) one.exceptions = ExceptionsAt(one.house, signs);
    }
    return finding;
}

}  // namespace zodiora::matching
