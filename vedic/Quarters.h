#pragma once

namespace zodiora::vedic {

/// The zodiac holds 108 quarters (padas) of 3°20′: 27 nakshatras of four
/// each, and also the 108 navamsas. Both divisions are read from this one
/// number so they can never disagree at a boundary.
inline constexpr int QuarterCount = 108;

/// Position of a finite sidereal longitude (degrees, any range) in quarters
/// from 0° sidereal Aries, in [0, 108). A value within 1e-9 quarter
/// (about 0.00001″) of a boundary is put on it, so a longitude typed as
/// 13°20′ starts Bharani however its decimal rounded.
double QuarterPosition(double siderealLongitude);

}  // namespace zodiora::vedic
