#include "engine/ChartVargas.h"

namespace zodiora {

VargaSigns VargaSignsOf(const Chart& chart, vedic::VargaVariant variant)
{
    VargaSigns signs;
    signs.variant = variant;
    for (std::size_t k = 0; k < PointCount; ++k) {
        signs.points[k] = vedic::VargaRowOf(chart.longitudes[k], variant);
    }
    return signs;
}

}  // namespace zodiora
