#include "margins/MarginFacts.h"

#include <array>

#include "panchang/PanchangLimbs.h"
#include "vedic/Nakshatra.h"
#include "vedic/Varga.h"

namespace zodiora::margins {

namespace {

using vedic::Varga;

int SignOf(double angle) { return vedic::VargaSign(angle, Varga::D1); }

int NakshatraPadaOf(double angle)
{
    const vedic::NakshatraPosition position = vedic::NakshatraOf(angle);
    return position.index * 4 + position.pada - 1;
}

// The angle is the Moon's longitude less the Sun's.
int TithiOf(double elongation) { return panchang::TithiNumber(elongation, 0.0) - 1; }

template <Varga V>
int VargaSignOf(double angle)
{
    return vedic::VargaSign(angle, V);
}

constexpr Body Asc = Body::Ascendant;
constexpr Body Moon = Body::Moon;
constexpr auto Sign = FactValueKind::Sign;

constexpr std::array<MarginFact, 20> Standard{{
    {"lagnaSign", "Lagna sign", Asc, {}, Sign, SignOf},
    {"lagnaNakshatra", "Lagna nakshatra", Asc, {}, FactValueKind::NakshatraPada, NakshatraPadaOf},
    {"moonSign", "Moon sign", Moon, {}, Sign, SignOf},
    {"moonNakshatra", "Moon nakshatra", Moon, {}, FactValueKind::NakshatraPada, NakshatraPadaOf},
    {"navamsaLagna", "Navamsa Lagna", Asc, {}, Sign, VargaSignOf<Varga::D9>},
    {"D2Lagna", "D2 Lagna", Asc, {}, Sign, VargaSignOf<Varga::D2>},
    {"D3Lagna", "D3 Lagna", Asc, {}, Sign, VargaSignOf<Varga::D3>},
    {"D4Lagna", "D4 Lagna", Asc, {}, Sign, VargaSignOf<Varga::D4>},
    {"D7Lagna", "D7 Lagna", Asc, {}, Sign, VargaSignOf<Varga::D7>},
    {"D10Lagna", "D10 Lagna", Asc, {}, Sign, VargaSignOf<Varga::D10>},
    {"D12Lagna", "D12 Lagna", Asc, {}, Sign, VargaSignOf<Varga::D12>},
    {"D16Lagna", "D16 Lagna", Asc, {}, Sign, VargaSignOf<Varga::D16>},
    {"D20Lagna", "D20 Lagna", Asc, {}, Sign, VargaSignOf<Varga::D20>},
    {"D24Lagna", "D24 Lagna", Asc, {}, Sign, VargaSignOf<Varga::D24>},
    {"D27Lagna", "D27 Lagna", Asc, {}, Sign, VargaSignOf<Varga::D27>},
    {"D30Lagna", "D30 Lagna", Asc, {}, Sign, VargaSignOf<Varga::D30>},
    {"D40Lagna", "D40 Lagna", Asc, {}, Sign, VargaSignOf<Varga::D40>},
    {"D45Lagna", "D45 Lagna", Asc, {}, Sign, VargaSignOf<Varga::D45>},
    {"D60Lagna", "D60 Lagna", Asc, {}, Sign, VargaSignOf<Varga::D60>},
    {"tithi", "Tithi", Moon, Body::Sun, FactValueKind::Tithi, TithiOf},
}};

}  // namespace

std::span<const MarginFact> StandardFacts() { return Standard; }

}  // namespace zodiora::margins
