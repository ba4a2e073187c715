#pragma once

#include <array>

#include "engine/Chart.h"
#include "vedic/Varga.h"

namespace zodiora {

/// Every point of a chart (table order, nodes last) in all sixteen
/// divisional charts, by the rules of one variant.
struct VargaSigns {
    vedic::VargaVariant variant = vedic::VargaVariant::Parashara;
    std::array<vedic::VargaRow, PointCount> points{};

    /// Sign 0 = Aries .. 11 = Pisces.
    int sign(Body body, vedic::Varga varga) const { return points[IndexOf(body)].sign(varga); }
    bool vargottama(Body body) const { return points[IndexOf(body)].vargottama(); }
};

/// The vargas of every point of `chart` (vedic/Varga.h has the rules).
VargaSigns VargaSignsOf(const Chart& chart, vedic::VargaVariant variant = vedic::VargaVariant::Parashara);

}  // namespace zodiora
