#pragma once

#include <QPainter>
#include <QRectF>
#include <QWidget>

#include "app/charts/ChartStyleInput.h"

namespace zodiora {

/// The North Indian chart: a square with its diagonals and the diamond
/// joining the midpoints of its sides, making twelve fixed houses. House 1
/// (the rising sign) is the top centre diamond and the houses run
/// counter-clockwise; each house shows its sign's number (1 = Aries) and
/// the points in it.
class NorthIndianChart : public QWidget {
    Q_OBJECT
public:
    /// Side of the square the chart is drawn in before scaling to a box.
    static constexpr double DesignSize = 1000;

    explicit NorthIndianChart(QWidget* parent = nullptr);

    /// Paints the chart filling `box`, in vectors, at any scale.
    static void Paint(QPainter& painter, const QRectF& box, const ChartStyleInput& input);

    void setInput(const ChartStyleInput& input);
    const ChartStyleInput& input() const { return input_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartStyleInput input_;
};

}  // namespace zodiora
