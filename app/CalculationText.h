#pragma once

#include <QString>

#include "presentation/CalculationWords.h"

namespace zodiora {

/// The calculation line's words in the windows' language (English: the
/// library's own, so the English line is unchanged).
CalculationWords WindowCalculationWords();

/// An ayanamsa's title ("Lahiri") in the windows' language.
QString ShownAyanamsaTitle(AyanamsaKind ayanamsa);

/// The calculation line as the windows and the chart page show it.
QString ShownCalculationLine(const Chart& chart, const ClockReading& clock);

}  // namespace zodiora
