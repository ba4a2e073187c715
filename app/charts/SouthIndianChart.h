#pragma once

#include <QPainter>
#include <QRectF>

#include "app/charts/ChartStyleInput.h"

namespace zodiora {

/// The South Indian chart: a square of 4 × 4 cells whose outer ring holds
/// the twelve signs in fixed places, Pisces top-left and Aries next to it,
/// running clockwise. The rising sign's cell carries a diagonal stroke
/// across its top-left corner and the label "Asc"; the middle holds the title.
class SouthIndianChart {
public:
    /// Side of the square the chart is drawn in before scaling to a box.
    static constexpr double DesignSize = 1000;

    /// Paints the chart filling `box`, in vectors, at any scale.
    static void Paint(QPainter& painter, const QRectF& box, const ChartStyleInput& input);

};

}  // namespace zodiora
