// The North and South Indian charts: points land in the right house or
// sign cell, the rising sign is marked where it should be, and the drawing
// stays inside the box it is given.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "app/charts/NorthIndianChart.h"
#include "app/charts/SouthIndianChart.h"

using namespace zodiora;

namespace {

constexpr int Side = 600;
using PaintFunction = void (*)(QPainter&, const QRectF&, const ChartStyleInput&);

QImage Render(PaintFunction paint, const ChartStyleInput& input, const QRectF& box = QRectF(0, 0, Side, Side))
{
    QImage image(Side, Side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, box, input);
    return image;
}

/// Bounding box of the pixels that differ, as fractions of the side.
QRectF Difference(const QImage& a, const QImage& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return {box.x() / double(Side), box.y() / double(Side), box.width() / double(Side), box.height() / double(Side)};
}

/// Middle of houses 1..12 of the North Indian diamond as fractions of the
/// side: 1 top centre, then counter-clockwise (2 above 3 in the top-left corner).
const QPointF NorthHouse[12] = {{0.5, 0.25},  {0.25, 0.09}, {0.09, 0.25}, {0.25, 0.5},
                                {0.09, 0.75}, {0.25, 0.91}, {0.5, 0.75},  {0.75, 0.91},
                                {0.91, 0.75}, {0.75, 0.5},  {0.91, 0.25}, {0.75, 0.09}};

/// South Indian cell of each sign (Aries first) as column, row.
const QPoint SouthCell[12] = {{1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3},
                              {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}, {0, 0}};

QRectF SouthCellRect(int sign)
{
    return {SouthCell[sign].x() * 0.25, SouthCell[sign].y() * 0.25, 0.25, 0.25};
}

}  // namespace

class ChartStylesTest : public QObject {
    Q_OBJECT

private slots:
    void northPointsGoToTheirSignsHouseCountedFromTheAscendant()
    {
        for (int ascendant : {0, 3, 10}) {
            ChartStyleInput empty;
            empty.ascendantSign = ascendant;
            const QImage base = Render(&NorthIndianChart::Paint, empty);
            for (int sign = 0; sign < 12; ++sign) {
                ChartStyleInput input = empty;
                input.labels[sign] = QStringList{QStringLiteral("Su"), QStringLiteral("Ma (R)")};
                const QRectF changed = Difference(base, Render(&NorthIndianChart::Paint, input));
                const int house = (sign - ascendant + 12) % 12;  // 0 = house 1
                const QPointF expected = NorthHouse[house];
                QVERIFY2(!changed.isEmpty(), qPrintable(QString::number(sign)));
                QVERIFY2((changed.center() - expected).manhattanLength() < 0.12,
                         qPrintable(QStringLiteral("asc %1 sign %2 drawn at %3,%4, house %5 expected")
                                        .arg(ascendant).arg(sign).arg(changed.center().x()).arg(changed.center().y())
                                        .arg(house + 1)));
            }
        }
    }

    void northMarksHouseOneAndNumbersTheSigns()
    {
        ChartStyleInput input;
        input.ascendantSign = 5;
        const QImage image = Render(&NorthIndianChart::Paint, input);
        auto inked = [&](const QPointF& centre) {
            int count = 0;
            const QPoint c = (centre * Side).toPoint();
            for (int y = c.y() - 25; y <= c.y() + 25; ++y) {
                for (int x = c.x() - 40; x <= c.x() + 40; ++x) {
                    count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
                }
            }
            return count;
        };
        QVERIFY(inked(NorthHouse[0]) > 20);  // "Asc"
        QVERIFY(inked(NorthHouse[3]) == 0);  // house 4 holds nothing
        // A different rising sign renumbers every house, not only one.
        ChartStyleInput other = input;
        other.ascendantSign = 6;
        const QRectF changed = Difference(image, Render(&NorthIndianChart::Paint, other));
        QVERIFY(changed.width() > 0.5 && changed.height() > 0.5);
    }

    void southPointsStayInTheirFixedSignCells()
    {
        ChartStyleInput empty;
        empty.ascendantSign = 0;
        const QImage base = Render(&SouthIndianChart::Paint, empty);
        for (int sign = 1; sign < 12; ++sign) {
            ChartStyleInput input = empty;
            input.labels[sign] = QStringList{QStringLiteral("Ju"), QStringLiteral("Ra")};
            const QRectF changed = Difference(base, Render(&SouthIndianChart::Paint, input));
            QVERIFY2(!changed.isEmpty() && SouthCellRect(sign).contains(changed),
                     qPrintable(QString::number(sign)));
        }
    }

    void southMarksTheRisingSignsCell()
    {
        for (int ascendant = 0; ascendant < 12; ++ascendant) {
            ChartStyleInput input;
            input.ascendantSign = ascendant;
            ChartStyleInput other = input;
            other.ascendantSign = (ascendant + 5) % 12;
            const QImage image = Render(&SouthIndianChart::Paint, input);
            const QRectF changed = Difference(image, Render(&SouthIndianChart::Paint, other));
            const QRectF both = SouthCellRect(ascendant) | SouthCellRect(other.ascendantSign);
            QVERIFY2(both.contains(changed), qPrintable(QString::number(ascendant)));
            // The stroke crosses the cell's top-left corner.
            const QRectF cell = SouthCellRect(ascendant);
            const QPoint onStroke = ((cell.topLeft() + QPointF(0.035, 0.035)) * Side).toPoint();
            QVERIFY2(qGray(image.pixel(onStroke)) < 160, qPrintable(QString::number(ascendant)));
        }
    }

    void drawingStaysInsideItsBoxAtAnyScale()
    {
        ChartStyleInput input;
        input.ascendantSign = 2;
        input.labels[2] = QStringList{QStringLiteral("Su"), QStringLiteral("Mo"), QStringLiteral("Me"),
                                      QStringLiteral("Ve"), QStringLiteral("Ma (R)"), QStringLiteral("Ju"),
                                      QStringLiteral("Sa"), QStringLiteral("Ra")};
        input.title = QStringLiteral("Rasi");
        for (PaintFunction paint : {&NorthIndianChart::Paint, &SouthIndianChart::Paint}) {
            for (const QRectF box : {QRectF(100, 150, 300, 300), QRectF(20, 20, 120, 120)}) {
                const QImage image = Render(paint, input, box);
                const QRect inside = box.toAlignedRect();
                bool inkOutside = false;
                int inkInside = 0;
                for (int y = 0; y < Side; ++y) {
                    for (int x = 0; x < Side; ++x) {
                        const bool ink = image.pixel(x, y) != qRgb(255, 255, 255);
                        if (inside.contains(x, y)) {
                            inkInside += ink ? 1 : 0;
                        } else {
                            inkOutside = inkOutside || ink;
                        }
                    }
                }
                QVERIFY(!inkOutside);
                QVERIFY(inkInside > inside.width() * inside.height() / 2);  // the paper fills it
            }
        }
    }
};

QTEST_MAIN(ChartStylesTest)
#include "tst_chartstyles.moc"
