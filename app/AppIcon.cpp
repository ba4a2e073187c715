#include "app/AppIcon.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace zodiora {

namespace {

/// Points of a star with `points` tips of radius `outer` and notches of
/// radius `inner`, about the origin, first tip straight up.
QPainterPath StarPath(int points, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal radius = (i % 2 == 0) ? outer : inner;
        const qreal angle = -M_PI / 2 + i * M_PI / points;
        const QPointF point(radius * qCos(angle), radius * qSin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

}  // namespace

void PaintApplicationIcon(QPainter& painter, qreal side)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Logical coordinates: a 100 x 100 square centred on the origin.
    painter.translate(side / 2.0, side / 2.0);
    painter.scale(side / 100.0, side / 100.0);

    const QColor gold(232, 184, 72);
    QRadialGradient sky(QPointF(-12, -14), 60);
    sky.setColorAt(0, QColor(58, 64, 150));
    sky.setColorAt(1, QColor(18, 20, 66));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawEllipse(QPointF(0, 0), 48, 48);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(gold, 3.5));
    painter.drawEllipse(QPointF(0, 0), 43, 43);
    painter.setPen(QPen(gold, 2));
    painter.drawEllipse(QPointF(0, 0), 30, 30);
    for (int house = 0; house < 12; ++house) {
        const qreal angle = house * M_PI / 6 + M_PI / 12;
        painter.drawLine(QPointF(30 * qCos(angle), 30 * qSin(angle)), QPointF(43 * qCos(angle), 43 * qSin(angle)));
    }
    for (int house = 0; house < 12; ++house) {
        const qreal angle = house * M_PI / 6;
        painter.setPen(Qt::NoPen);
        painter.setBrush(house % 3 == 0 ? gold : QColor(190, 200, 255));
        painter.drawEllipse(QPointF(36.5 * qCos(angle), 36.5 * qSin(angle)), 2.4, 2.4);
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    painter.drawPath(StarPath(8, 22, 8.5));
    painter.setBrush(QColor(255, 240, 190));
    painter.drawEllipse(QPointF(0, 0), 6, 6);
    painter.restore();
}

QPixmap ApplicationIconPixmap(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintApplicationIcon(painter, side);
    return pixmap;
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(ApplicationIconPixmap(side));
    }
    return icon;
}

void InstallApplicationIcon()
{
    QApplication::setWindowIcon(ApplicationIcon());
}

}  // namespace zodiora
