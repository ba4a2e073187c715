#pragma once

#include "vedic/DashaLord.h"

namespace zodiora::vedic {

/// The Krishnamurti (KP) lords of a sidereal longitude.
struct KpLords {
    DashaLord star = DashaLord::Ketu;    ///< the nakshatra's Vimshottari lord
    DashaLord sub = DashaLord::Ketu;     ///< lord of the sub within the nakshatra
    DashaLord subSub = DashaLord::Ketu;  ///< lord of the part within the sub
};

/// Star, sub and sub-sub lord of a finite sidereal longitude (degrees, any
/// range). Each nakshatra of 13°20′ is divided among the nine lords in
/// Vimshottari proportion (a lord's years of 120), starting from the
/// nakshatra's own lord and going on in Vimshottari order; each sub is
/// divided again the same way from its own lord (K.S. Krishnamurti's
/// sub-lord system, the table of 249 subs). Every boundary falls on a whole 1/1080 of a
/// degree; a longitude within 1e-6 of such a unit of one is put on it, so
/// a boundary typed exactly starts the next part.
KpLords KpLordsOf(double siderealLongitude);

}  // namespace zodiora::vedic
