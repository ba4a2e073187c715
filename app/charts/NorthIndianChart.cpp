#include "app/charts/NorthIndianChart.h"

#include "app/Language.h"

#include <QPainterPath>
#include <array>

#include "app/AppFont.h"
#include "app/charts/ChartInk.h"

namespace zodiora {

namespace {

enum class Shape { Diamond, FlatTriangle, TallTriangle };

struct House {
    QPointF labelCentre;
    QPointF numberCentre;  // near the house's inner corner
    Shape shape;
};

// Houses 1..12 in design units: the four diamonds (1, 4, 7, 10) meet at the
// centre, the triangles lie along the edges, counter-clockwise from the top.
constexpr std::array<House, 12> Houses{{
    {{500, 235}, {500, 440}, Shape::Diamond},
    {{250, 90}, {250, 200}, Shape::FlatTriangle},
    {{95, 250}, {200, 250}, Shape::TallTriangle},
    {{235, 500}, {440, 500}, Shape::Diamond},
    {{95, 750}, {200, 750}, Shape::TallTriangle},
    {{250, 910}, {250, 800}, Shape::FlatTriangle},
    {{500, 765}, {500, 560}, Shape::Diamond},
    {{750, 910}, {750, 800}, Shape::FlatTriangle},
    {{905, 750}, {800, 750}, Shape::TallTriangle},
    {{765, 500}, {560, 500}, Shape::Diamond},
    {{905, 250}, {800, 250}, Shape::TallTriangle},
    {{750, 90}, {750, 200}, Shape::FlatTriangle},
}};

constexpr double NumberSize = 34;

void PaintFrame(QPainter& painter)
{
    constexpr double S = NorthIndianChart::DesignSize;
    ChartInk::PaintPaper(painter, S);
    QPainterPath lines;
    lines.moveTo(0, 0);
    lines.lineTo(S, S);
    lines.moveTo(S, 0);
    lines.lineTo(0, S);
    lines.moveTo(S / 2, 0);
    lines.lineTo(S, S / 2);
    lines.lineTo(S / 2, S);
    lines.lineTo(0, S / 2);
    lines.closeSubpath();
    painter.drawPath(lines);
}

}  // namespace

void NorthIndianChart::Paint(QPainter& painter, const QRectF& box, const ChartStyleInput& input)
{
    ChartInk::BeginSquare(painter, box, DesignSize);
    PaintFrame(painter);

    QFont numberFont(ProgramFontFamily());
    numberFont.setPixelSize(static_cast<int>(NumberSize));
    numberFont.setBold(true);
    for (int k = 0; k < 12; ++k) {
        const House& house = Houses[static_cast<std::size_t>(k)];
        const int sign = (input.ascendantSign + k) % 12;
        painter.setFont(numberFont);
        painter.setPen(ChartInk::Signs());
        painter.drawText(QRectF(house.numberCentre - QPointF(40, 25), QSizeF(80, 50)), Qt::AlignCenter,
                         QString::number(sign + 1));

        QStringList labels = input.labels[static_cast<std::size_t>(sign)];
        if (k == 0) {
            labels.prepend(input.risingLabel);
        }
        const double width = house.shape == Shape::Diamond ? 330 : house.shape == Shape::FlatTriangle ? 300 : 150;
        const int lines = house.shape == Shape::FlatTriangle ? 2 : 4;
        ChartInk::PaintLabels(painter, house.labelCentre, labels, width, lines, ChartInk::LabelSize);
    }
    painter.restore();
}

}  // namespace zodiora
