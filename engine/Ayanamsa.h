#pragma once

namespace zodiora {

/// Lahiri-type ayanamsa in degrees, negative, for T = centuries since 1900
/// (T1900). Adding it to a tropical longitude gives the sidereal longitude.
/// Serves the ascendant and the planets.
double Ayanamsa1900(double T);

/// The same for T = centuries since 2000 (T2000); serves the Moon.
double Ayanamsa2000(double T);

}  // namespace zodiora
