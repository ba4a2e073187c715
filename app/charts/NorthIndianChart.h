#pragma once

#include <QPainter>
#include <QRectF>

#include "app/charts/ChartStyleInput.h"

namespace zodiora {

/// The North Indian chart: a square with its diagonals and the diamond
/// joining the midpoints of its sides, making twelve fixed houses. House 1
/// (the rising sign) is the top centre diamond and the houses run
/// counter-clockwise; each house shows its sign's number (1 = Aries) and
/// the points in it.
class NorthIndianChart {
public:
    /// Side of the square the chart is drawn in before scaling to a box.
    static constexpr double DesignSize = 1000;

    /// Paints the chart filling `box`, in vectors, at any scale.
    static void Paint(QPainter& painter, const QRectF& box, const ChartStyleInput& input);

};

}  // namespace zodiora
