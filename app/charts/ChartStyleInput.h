#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace zodiora {

/// What the North and South Indian charts show: the rising sign and the
/// points standing in each sign. The same shape serves the birth chart and
/// the Navamsa.
struct ChartStyleInput {
    int ascendantSign = 0;                ///< 0 = Aries .. 11 = Pisces
    std::array<QStringList, 12> labels;   ///< per sign 0..11: short point labels, e.g. "Su", "Ma (R)", "Ra"
    QString title;                        ///< drawn in the middle of the South Indian square, e.g. "Rasi"
    QString risingLabel = QStringLiteral("Asc");  ///< leads the rising sign: "Asc", or "Mo" for the Moon chart
};

}  // namespace zodiora
