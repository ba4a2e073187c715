#pragma once

namespace zodiora {

/// The ayanamsas offered, each one of the Swiss Ephemeris's sidereal modes
/// (SE_SIDM_LAHIRI, SE_SIDM_RAMAN, SE_SIDM_KRISHNAMURTI,
/// SE_SIDM_FAGAN_BRADLEY, SE_SIDM_TRUE_CITRA, SE_SIDM_YUKTESHWAR). Declared
/// here, the lowest library that needs them; engine/CalculationSettings.h
/// names them.
enum class AyanamsaKind { Lahiri, Raman, Krishnamurti, FaganBradley, TrueChitra, Yukteshwar };

/// Which lunar node Rahu is: the mean ascending node, or the true one
/// (with the Moon's periodic perturbations of its orbit).
enum class NodeKind { Mean, True };

}  // namespace zodiora
