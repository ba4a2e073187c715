// The natal wheel's artwork: twelve distinct glyphs inside their boxes,
// the settled house positions, and a picture that renders the same shape
// at single and double pixel density.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "app/NatalWheel.h"
#include "app/SignGlyphs.h"

using namespace zodiora;

namespace {

/// Renders the wheel at `ratio` device pixels per logical pixel.
QImage Render(NatalWheel& wheel, qreal ratio)
{
    QImage image(wheel.size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    wheel.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());  // no window background
    return image;
}

/// Fraction of pixels differing from white inside `r` (logical coordinates).
double Ink(const QImage& image, const QRectF& r)
{
    const qreal k = image.devicePixelRatio();
    const QRect px = QRectF(r.topLeft() * k, r.size() * k).toAlignedRect() & image.rect();
    int inked = 0;
    for (int y = px.top(); y <= px.bottom(); ++y) {
        for (int x = px.left(); x <= px.right(); ++x) {
            inked += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
        }
    }
    return px.isEmpty() ? 0 : double(inked) / (px.width() * px.height());
}

}  // namespace

class NatalWheelTest : public QObject {
    Q_OBJECT

private slots:
    void everySignHasItsOwnGlyphInsideItsBox()
    {
        QList<QPainterPath> seen;
        for (int sign = 0; sign < 12; ++sign) {
            const QPainterPath path = SignGlyphPath(sign);
            QVERIFY2(!path.isEmpty(), qPrintable(QString::number(sign)));
            const QRectF box = path.controlPointRect();
            QVERIFY(box.left() >= 0 && box.top() >= 0 && box.right() <= 100 && box.bottom() <= 100);
            // Every glyph spans most of its box one way, so none shrinks to a dot.
            QVERIFY(std::max(box.width(), box.height()) >= 70 && std::min(box.width(), box.height()) >= 35);
            for (const QPainterPath& other : seen) {
                QVERIFY(other != path);
            }
            seen << path;
        }
        QVERIFY(SignGlyphPath(12).isEmpty());
        QVERIFY(SignGlyphPath(-1).isEmpty());
    }

    void housesRunCounterClockwiseFromBelowTheLeftEnd()
    {
        // House 1 left of centre just below the horizontal; 4 at the bottom;
        // 7 right just above; 10 at the top.
        const QPointF centre(NatalWheel::DesignWidth / 2, NatalWheel::DesignHeight / 2);
        auto angle = [&](int house) {
            const QPointF g = NatalWheel::glyphOrigin(house - 1) + QPointF(150, 150);
            return std::atan2(-(g.y() - centre.y()), g.x() - centre.x()) * 180 / M_PI;
        };
        double previous = -1;
        for (int house = 1; house <= 12; ++house) {
            double a = angle(house);
            if (a < 0) a += 360;
            const double fromLeft = std::fmod(a - 180 + 360, 360);  // counter-clockwise from the left end
            QVERIFY2(fromLeft > 30.0 * (house - 1) - 1 && fromLeft < 30.0 * house + 1,
                     qPrintable(QStringLiteral("house %1 at %2").arg(house).arg(fromLeft)));
            QVERIFY(fromLeft > previous);
            previous = fromLeft;
        }
        QCOMPARE(NatalWheel::houseTextOrigin(0), QPointF(960, 3240));
        QCOMPARE(NatalWheel::glyphOrigin(11), QPointF(375, 2040));
    }

    void wheelRendersRoundAtBothDensities()
    {
        NatalWheel wheel;
        wheel.resize(wheel.sizeHint());
        std::array<QString, 12> houses;
        houses[0] = QStringLiteral("\r\nSun\r\nAsc");
        wheel.setHouses(houses);

        for (const qreal ratio : {1.0, 2.0}) {
            const QImage image = Render(wheel, ratio);
            const QSizeF s = wheel.size();
            // Inked ring on all four sides, at the same distance: a circle, not an ellipse.
            const double r = s.height() * 3235.0 / NatalWheel::DesignHeight;
            const QPointF c(s.width() / 2, s.height() / 2);
            for (const QPointF dir : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
                const QPointF onRing = c + dir * (r - 8);
                QVERIFY(Ink(image, QRectF(onRing - QPointF(2, 2), QSizeF(4, 4))) > 0.9);
                const QPointF outside = c + dir * (r + 4);
                if (QRectF(QPointF(0, 0), s).contains(outside)) {
                    QVERIFY(Ink(image, QRectF(outside - QPointF(1, 1), QSizeF(2, 2))) < 0.5);
                }
            }
            // The house text lands where house 1's text belongs.
            const double k = s.width() / NatalWheel::DesignWidth;
            const QPointF text = NatalWheel::houseTextOrigin(0) * k;
            QVERIFY(Ink(image, QRectF(text + QPointF(0, 190 * k), QSizeF(300 * k, 190 * k))) > 0.02);
        }
    }
};

QTEST_MAIN(NatalWheelTest)
#include "tst_natalwheel.moc"
