#pragma once

#include <array>

namespace zodiora {

/// One periodic term of the Moon's longitude: multipliers of the
/// fundamental arguments D, M, M', F; coefficient in degrees; whether the
/// term is scaled by the eccentricity factor E.
struct LunarTerm {
    int d;
    int m;
    int mPrime;
    int f;
    double coefficient;
    bool timesE;
};

/// The 25 leading longitude terms of the abridged ELP-2000/82 theory.
extern const std::array<LunarTerm, 25> LunarLongitudeTerms;

}  // namespace zodiora
