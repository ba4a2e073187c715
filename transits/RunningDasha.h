#pragma once

#include <optional>

#include "engine/Chart.h"
#include "vedic/Vimshottari.h"

namespace zodiora::transits {

/// The Vimshottari periods running at a moment: the mahadasha and its antardasha.
struct RunningDasha {
    vedic::DashaPeriod maha;
    vedic::DashaPeriod antar;
};

/// The periods of the natal chart's Vimshottari dasha (its Moon, its dasha
/// year) running at `jdUt`; empty before birth or past the table's end.
/// The one place the transits read the dasha from.
std::optional<RunningDasha> RunningDashaAt(const Chart& natal, double jdUt);

}  // namespace zodiora::transits
