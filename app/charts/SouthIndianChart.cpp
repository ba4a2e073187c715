#include "app/charts/SouthIndianChart.h"

#include "app/Language.h"

#include <QPainterPath>
#include <array>

#include "app/AppFont.h"
#include "app/SignGlyphs.h"
#include "app/charts/ChartInk.h"

namespace zodiora {

namespace {

constexpr double Cell = SouthIndianChart::DesignSize / 4;

// Column and row of each sign's cell, Aries first: clockwise round the ring
// from the top row's second cell, so Pisces sits in the top-left corner.
constexpr std::array<QPoint, 12> SignCells{{{1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3},
                                            {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}, {0, 0}}};

constexpr double GlyphSize = 42;
constexpr double AscendantMark = 70;  // length of the corner stroke along each side

QRectF SignCell(int sign)
{
    const QPoint cell = SignCells[static_cast<std::size_t>(sign)];
    return {cell.x() * Cell, cell.y() * Cell, Cell, Cell};
}

void PaintGrid(QPainter& painter)
{
    constexpr double S = SouthIndianChart::DesignSize;
    ChartInk::PaintPaper(painter, S);
    QPainterPath lines;
    for (int k = 1; k < 4; ++k) {
        // Full lines between the outer cells; none across the middle 2 × 2.
        const bool inner = k == 2;
        lines.moveTo(k * Cell, 0);
        lines.lineTo(k * Cell, inner ? Cell : S);
        lines.moveTo(0, k * Cell);
        lines.lineTo(inner ? Cell : S, k * Cell);
        if (inner) {
            lines.moveTo(k * Cell, S - Cell);
            lines.lineTo(k * Cell, S);
            lines.moveTo(S - Cell, k * Cell);
            lines.lineTo(S, k * Cell);
        }
    }
    painter.drawPath(lines);
}

void PaintSignGlyph(QPainter& painter, const QRectF& cell, int sign)
{
    painter.save();
    painter.translate(cell.right() - GlyphSize - 14, cell.top() + 14);
    painter.scale(GlyphSize / 100.0, GlyphSize / 100.0);
    painter.setPen(QPen(ChartInk::Signs(), 8.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(SignGlyphPath(sign));
    painter.restore();
}

}  // namespace

void SouthIndianChart::Paint(QPainter& painter, const QRectF& box, const ChartStyleInput& input)
{
    ChartInk::BeginSquare(painter, box, DesignSize);
    PaintGrid(painter);

    for (int sign = 0; sign < 12; ++sign) {
        const QRectF cell = SignCell(sign);
        PaintSignGlyph(painter, cell, sign);
        QStringList labels = input.labels[static_cast<std::size_t>(sign)];
        if (sign == input.ascendantSign) {
            painter.setPen(QPen(ChartInk::Lines(), 5, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(cell.topLeft() + QPointF(0, AscendantMark), cell.topLeft() + QPointF(AscendantMark, 0));
            labels.prepend(input.risingLabel);
        }
        ChartInk::PaintLabels(painter, cell.center() + QPointF(0, 18), labels, Cell - 30, 4, ChartInk::LabelSize);
    }

    if (!input.title.isEmpty()) {
        QFont titleFont(ProgramFontFamily());
        titleFont.setPixelSize(56);
        titleFont.setBold(true);
        painter.setFont(titleFont);
        painter.setPen(ChartInk::Lines());
        painter.drawText(QRectF(Cell, Cell, 2 * Cell, 2 * Cell), Qt::AlignCenter, input.title);
    }
    painter.restore();
}

}  // namespace zodiora
