#include "app/NatalWheel.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <cmath>
#include <numbers>

#include "app/AppFont.h"
#include "app/SignGlyphs.h"
#include "app/Twips.h"

namespace zodiora {

namespace {

// Geometry of the wheel in twips.
constexpr double CentreX = NatalWheel::DesignWidth / 2;
constexpr double CentreY = NatalWheel::DesignHeight / 2;
constexpr double OuterRadius = 3235;  // ring's outer edge
constexpr double RingRadius = 2790;   // ring's inner edge; the houses end here
constexpr double GlyphSize = 300;

constexpr std::array<QPointF, 12> TextOrigins{{{960, 3240},  {1680, 4080}, {2535, 4440}, {3480, 4560},
                                               {4440, 3960}, {5055, 3240}, {5160, 2160}, {4695, 1080},
                                               {3480, 480},  {2400, 600},  {1440, 1200}, {840, 2160}}};
constexpr std::array<QPointF, 12> GlyphOrigins{{{360, 3720},  {885, 4920},  {2040, 5800}, {3840, 5975},
                                                {5100, 5400}, {6060, 4080}, {6200, 2400}, {5640, 1200},
                                                {4320, 240},  {2520, 120},  {1320, 720},  {375, 2040}}};

const QColor TextBlue(0, 0, 200);
const QColor InkBrown(90, 40, 10);
const QColor GlyphRed(150, 20, 30);

/// A point at `radius` twips from the centre in the direction `degrees`
/// (counter-clockwise from the right-hand end of the horizontal line).
QPointF Polar(double radius, double degrees)
{
    const double a = degrees * std::numbers::pi / 180.0;
    return {CentreX + radius * std::cos(a), CentreY - radius * std::sin(a)};
}

QRectF Circle(double radius)
{
    return {CentreX - radius, CentreY - radius, 2 * radius, 2 * radius};
}

}  // namespace

NatalWheel::NatalWheel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("natalWheel"));
    for (int k = 0; k < 12; ++k) {
        glyphs_[static_cast<std::size_t>(k)] = k + 1;
    }
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void NatalWheel::setHouses(const std::array<QString, 12>& texts)
{
    houses_ = texts;
    update();
}

QString NatalWheel::houseText(int index) const
{
    return index >= 0 && index < 12 ? houses_[static_cast<std::size_t>(index)] : QString();
}

void NatalWheel::setGlyphs(const std::array<int, 12>& pictures)
{
    glyphs_ = pictures;
    update();
}

int NatalWheel::glyphAt(int index) const
{
    return index >= 0 && index < 12 ? glyphs_[static_cast<std::size_t>(index)] : 0;
}

QPointF NatalWheel::houseTextOrigin(int index)
{
    return TextOrigins.at(static_cast<std::size_t>(index));
}

QPointF NatalWheel::glyphOrigin(int index)
{
    return GlyphOrigins.at(static_cast<std::size_t>(index));
}

QSize NatalWheel::sizeHint() const
{
    const int dpi = logicalDpiX();
    return {TwipsToPixels(static_cast<int>(DesignWidth), dpi), TwipsToPixels(static_cast<int>(DesignHeight), dpi)};
}

void NatalWheel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    Paint(painter, QRectF(rect()), houses_, glyphs_);
}

void NatalWheel::Paint(QPainter& painter, const QRectF& box, const std::array<QString, 12>& houses,
                       const std::array<int, 12>& glyphs)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / DesignWidth, box.height() / DesignHeight);
    paintRing(painter);
    paintScale(painter);
    paintDivisions(painter);
    paintGlyphs(painter, glyphs);
    paintHouseTexts(painter, houses);
    painter.restore();
}

void NatalWheel::paintRing(QPainter& painter)
{
    // Alternating warm tints per sign behind the glyphs, a pale disc inside.
    painter.setPen(Qt::NoPen);
    for (int k = 0; k < 12; ++k) {
        QPainterPath band;
        band.moveTo(Polar(OuterRadius, 180.0 + 30.0 * k));
        band.arcTo(Circle(OuterRadius), 180.0 + 30.0 * k, 30.0);
        band.arcTo(Circle(RingRadius), 180.0 + 30.0 * (k + 1), -30.0);
        band.closeSubpath();
        painter.setBrush(k % 2 == 0 ? QColor(250, 200, 110) : QColor(246, 176, 86));
        painter.drawPath(band);
    }
    painter.setBrush(QColor(255, 252, 238));
    painter.drawEllipse(Circle(RingRadius));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(InkBrown, 22));
    painter.drawEllipse(Circle(OuterRadius));
    painter.drawEllipse(Circle(RingRadius));
}

void NatalWheel::paintScale(QPainter& painter)
{
    // One tick a degree along the ring's outer edge; longer every 5 and 10.
    for (int degree = 0; degree < 360; ++degree) {
        const double length = degree % 10 == 0 ? 95 : degree % 5 == 0 ? 60 : 30;
        painter.setPen(QPen(InkBrown, degree % 5 == 0 ? 14 : 8));
        painter.drawLine(Polar(OuterRadius, degree), Polar(OuterRadius - length, degree));
    }
}

void NatalWheel::paintDivisions(QPainter& painter)
{
    painter.setPen(QPen(InkBrown, 18));
    for (int k = 0; k < 12; ++k) {
        painter.drawLine(Polar(0, 30.0 * k), Polar(OuterRadius, 30.0 * k));
    }
    painter.setBrush(InkBrown);
    painter.drawEllipse(Circle(40));
    painter.setBrush(Qt::NoBrush);
}

void NatalWheel::paintGlyphs(QPainter& painter, const std::array<int, 12>& glyphs)
{
    QFont numberFont(ProgramFontFamily());
    numberFont.setPixelSize(125);
    numberFont.setBold(true);
    painter.setFont(numberFont);

    for (int k = 0; k < 12; ++k) {
        const QPointF origin = GlyphOrigins[static_cast<std::size_t>(k)];
        const int picture = glyphs[static_cast<std::size_t>(k)];
        painter.save();
        painter.translate(origin);
        painter.scale(GlyphSize / 100.0, GlyphSize / 100.0);
        painter.setPen(QPen(GlyphRed, 8.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(SignGlyphPath(picture - 1));
        painter.restore();

        // House number over the glyph's top-left corner.
        painter.setPen(Qt::black);
        painter.drawText(QRectF(origin.x() - 160, origin.y() - 70, 200, 150), Qt::AlignRight | Qt::AlignTop,
                         QString::number(k + 1));
    }
}

void NatalWheel::paintHouseTexts(QPainter& painter, const std::array<QString, 12>& houses)
{
    QFont textFont(ProgramFontFamily());
    textFont.setPixelSize(160);
    painter.setFont(textFont);
    painter.setPen(TextBlue);
    const double lineHeight = 190;
    for (int k = 0; k < 12; ++k) {
        const QPointF origin = TextOrigins[static_cast<std::size_t>(k)];
        const QStringList lines = houses[static_cast<std::size_t>(k)].split(QStringLiteral("\r\n"));
        for (int i = 0; i < lines.size(); ++i) {
            painter.drawText(QRectF(origin.x(), origin.y() + i * lineHeight, 2000, lineHeight),
                             Qt::AlignLeft | Qt::AlignTop, lines[i]);
        }
    }
}

}  // namespace zodiora
