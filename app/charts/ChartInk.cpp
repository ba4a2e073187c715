#include "app/charts/ChartInk.h"

#include <QFontMetricsF>
#include <algorithm>

#include "app/AppFont.h"

namespace zodiora {

namespace {

QStringList WrapLabels(const QStringList& labels, const QFontMetricsF& metrics, double maxWidth)
{
    const QString gap = QStringLiteral("  ");
    QStringList lines;
    for (const QString& label : labels) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.back() + gap + label) <= maxWidth) {
            lines.back() += gap + label;
        } else {
            lines << label;
        }
    }
    return lines;
}

}  // namespace

void ChartInk::PaintLabels(QPainter& painter, const QPointF& centre, const QStringList& labels, double maxWidth,
                           int maxLines, double pixelSize)
{
    if (labels.isEmpty()) {
        return;
    }
    QFont font(ProgramFontFamily());
    QStringList lines;
    // Shrink until the labels fit; the floor keeps even a crowded sign legible.
    for (double size = pixelSize;; size *= 0.85) {
        font.setPixelSize(qMax(1, qRound(size)));
        const QFontMetricsF metrics(font);
        lines = WrapLabels(labels, metrics, maxWidth);
        // A label longer than the room (one with its degrees) shrinks too.
        const bool fits = std::all_of(lines.cbegin(), lines.cend(),
                                      [&](const QString& line) { return metrics.horizontalAdvance(line) <= maxWidth; });
        if ((lines.size() <= maxLines && fits) || size < pixelSize * 0.5) {
            break;
        }
    }
    painter.save();
    painter.setFont(font);
    painter.setPen(Labels());
    const double lineHeight = font.pixelSize() * 1.2;
    const double top = centre.y() - lineHeight * lines.size() / 2;
    for (int i = 0; i < lines.size(); ++i) {
        painter.drawText(QRectF(centre.x() - maxWidth, top + i * lineHeight, 2 * maxWidth, lineHeight),
                         Qt::AlignCenter, lines[i]);
    }
    painter.restore();
}

void ChartInk::BeginSquare(QPainter& painter, const QRectF& box, double designSize)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / designSize, box.height() / designSize);
    painter.setClipRect(QRectF(0, 0, designSize, designSize), Qt::IntersectClip);
}

void ChartInk::PaintPaper(QPainter& painter, double designSize)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(Paper());
    painter.drawRect(QRectF(0, 0, designSize, designSize));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Lines(), 5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawRect(QRectF(2.5, 2.5, designSize - 5, designSize - 5));
}

}  // namespace zodiora
