#pragma once

#include <cmath>

namespace zodiora {

/// Twips (1/1440 inch) to device-independent pixels for a screen of
/// `logicalDpi` dots per inch, rounded to the nearest pixel.
inline int TwipsToPixels(int twips, int logicalDpi)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) * logicalDpi / 1440.0));
}

}  // namespace zodiora
