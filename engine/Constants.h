#pragma once

namespace zodiora {

// The engine's constants are these decimal values as written, not the
// full-precision mathematical constants: charts must match the published
// reference positions to the arc-second text.
inline constexpr double PI = 3.14159265358979;
inline constexpr double TWO_PI = 6.28318530717958;
inline constexpr double DEG_TO_RAD = 0.0174532925199433;
inline constexpr double RAD_TO_DEG = 57.2957795130823;

}  // namespace zodiora
