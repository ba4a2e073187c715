#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QStringList>

namespace zodiora {

/// The square charts' palette, matching the natal wheel's.
struct ChartInk {
    static QColor Paper() { return {255, 252, 238}; }
    static QColor Lines() { return {90, 40, 10}; }
    static QColor Labels() { return {0, 0, 200}; }
    static QColor Signs() { return {150, 20, 30}; }

    /// The planets' labels, in design units of a 1000-unit square.
    static constexpr double LabelSize = 40;

    /// Writes `labels` in lines no wider than `maxWidth` (logical units),
    /// centred on `centre`, at `pixelSize`, made smaller when more than
    /// `maxLines` lines would be needed.
    static void PaintLabels(QPainter& painter, const QPointF& centre, const QStringList& labels, double maxWidth,
                            int maxLines, double pixelSize);

    /// Saves the painter and maps a `designSize` square onto `box`, clipped
    /// to it so strokes end flush with the frame; the caller restores.
    static void BeginSquare(QPainter& painter, const QRectF& box, double designSize);

    /// The paper and the outer frame of a `designSize` square.
    static void PaintPaper(QPainter& painter, double designSize);
};

}  // namespace zodiora
