#pragma once

#include <QPainterPath>

namespace zodiora {

/// The zodiac glyph of sign `sign` (0 = Aries .. 11 = Pisces) as a centre
/// line inside the box (0,0)-(100,100), meant to be stroked with a round pen
/// about 8 units wide. An empty path for any other index.
QPainterPath SignGlyphPath(int sign);

}  // namespace zodiora
