#include "app/ChartPage.h"

#include "app/Language.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "birthdata/TimeZoneTable.h"
#include "engine/PositionText.h"
#include "presentation/ChartSession.h"

#include "app/AppFont.h"
#include "app/NatalWheel.h"
#include "app/charts/NorthIndianChart.h"
#include "app/charts/SouthIndianChart.h"
#include "app/vedic/PointLabels.h"
#include "app/QtText.h"

namespace zodiora {

namespace {

// Layout in tenths of a millimetre on the logical A4 page.
constexpr double Margin = 150;
constexpr double NameHeight = 100;
constexpr double BlockTop = 320;
constexpr double LineHeight = 52;
constexpr double LeftColumn = Margin;
constexpr double LeftValues = Margin + 330;
constexpr double RightColumn = 1280;
constexpr double RightValues = 1560;
constexpr double LeftRight = RightColumn - 40;
constexpr double PageRight = ChartPage::LogicalSize.width() - Margin;
constexpr double WheelTop = 1140;

QFont PageFont(int size, bool bold = false)
{
    QFont font(ProgramFontFamily());
    font.setPixelSize(size);
    font.setBold(bold);
    // Hinting would fit letters to the device's pixels and change the
    // layout from one resolution to the next.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

/// "+05:30", or "-03:25:12" when seconds are left over.
QString OffsetText(int seconds)
{
    const QChar sign = seconds < 0 ? u'-' : u'+';
    const int magnitude = std::abs(seconds);
    QString text = QStringLiteral("%1%2:%3")
                       .arg(sign)
                       .arg(magnitude / 3600, 2, 10, QLatin1Char('0'))
                       .arg(magnitude / 60 % 60, 2, 10, QLatin1Char('0'));
    if (magnitude % 60 != 0) {
        text += QStringLiteral(":%1").arg(magnitude % 60, 2, 10, QLatin1Char('0'));
    }
    return text;
}

QString PlaceText(const ChartDetails& details)
{
    QStringList parts;
    for (const std::string* part : {&details.city, &details.state, &details.country}) {
        const QString text = ToQString(*part).trimmed();
        if (!text.isEmpty()) {
            parts << text;
        }
    }
    return parts.join(QStringLiteral(", "));
}

struct Line {
    QString caption;
    QString value;
};

/// Captions and values in two columns from `top`, values cut short with
/// an ellipsis at `right`; answers the y below them.
double PaintLines(QPainter& painter, double captionX, double valueX, double right, double top,
                  const std::vector<Line>& lines)
{
    double y = top;
    const QFont valueFont = PageFont(36, true);
    for (const Line& line : lines) {
        painter.setFont(PageFont(36));
        painter.drawText(QRectF(captionX, y, valueX - captionX, LineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         line.caption);
        painter.setFont(valueFont);
        painter.drawText(QRectF(valueX, y, right - valueX, LineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(valueFont).elidedText(line.value, Qt::ElideRight, right - valueX));
        y += LineHeight;
    }
    return y;
}

std::vector<Line> BirthLines(const ChartResult& result)
{
    const BirthData& birth = result.birth;
    const ChartDetails& details = result.display.details;
    QString time = ToQString(details.tob);
    if (birth.second != 0) {
        time += QStringLiteral(":%1").arg(birth.second, 2, 10, QLatin1Char('0'));
    }
    std::vector<Line> lines{{ChartPage::tr("Date of birth"), ShownBirthDate(birth, ToQString(details.dob))},
                            {ChartPage::tr("Time of birth"), time},
                            {ChartPage::tr("Place"), PlaceText(details)},
                            {ChartPage::tr("Latitude"), ShownCoordinate(ToQString(details.latitude))},
                            {ChartPage::tr("Longitude"), ShownCoordinate(ToQString(details.longitude))}};
    if (birth.exactOffsetSeconds) {
        lines.push_back({ChartPage::tr("Offset from UT"), OffsetText(*birth.exactOffsetSeconds)});
    } else {
        const bool known = birth.zoneRow >= 0 && birth.zoneRow < TimeZoneRowCount;
        lines.push_back({ChartPage::tr("Time zone"),
                         known ? ToQString(TimeZoneTable[static_cast<std::size_t>(birth.zoneRow)].text) : QString()});
        lines.push_back({ChartPage::tr("Daylight saving"),
                         birth.daylightSaving ? ChartPage::tr("Yes") : ChartPage::tr("No")});
    }
    return lines;
}

void PaintPositions(QPainter& painter, const ChartResult& result)
{
    painter.setFont(PageFont(40, true));
    painter.drawText(QRectF(RightColumn, BlockTop, PageRight - RightColumn, LineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, ChartPage::tr("Planetary Positions"));
    std::vector<Line> rows;
    for (std::size_t k = 0; k < ChartPointCount; ++k) {
        rows.push_back({PointName(AllBodies[k]), ShownPosition(ToQString(result.display.positions[k]))});
    }
    const double tableTop = BlockTop + LineHeight * 1.3;
    const double nodesTop = PaintLines(painter, RightColumn, RightValues, PageRight, tableTop, rows) + LineHeight * 0.3;
    // The nodes sit below the table's eleven, set off by a rule.
    painter.setPen(QPen(Qt::gray, 3));
    painter.drawLine(QPointF(RightColumn, nodesTop - LineHeight * 0.15), QPointF(PageRight, nodesTop - LineHeight * 0.15));
    painter.setPen(Qt::black);
    PaintLines(painter, RightColumn, RightValues, PageRight, nodesTop,
               {{PointName(Body::Rahu), ShownPosition(ToQString(ShortPositionText(result.chart.longitude(Body::Rahu))))},
                {PointName(Body::Ketu), ShownPosition(ToQString(ShortPositionText(result.chart.longitude(Body::Ketu))))}});
}

void PaintWheel(QPainter& painter, const ChartDisplay& display)
{
    std::array<QString, 12> houses;
    for (std::size_t k = 0; k < houses.size(); ++k) {
        houses[k] = ShownHouseText(ToQString(display.houses[k]));
    }
    std::array<int, 12> glyphs{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    if (display.glyphs) {
        glyphs = *display.glyphs;
    }
    const double height = ChartPage::LogicalSize.height() - Margin - WheelTop;
    const double width = height * NatalWheel::DesignWidth / NatalWheel::DesignHeight;
    NatalWheel::Paint(painter, QRectF((ChartPage::LogicalSize.width() - width) / 2, WheelTop, width, height), houses,
                      glyphs);
}

// The square charts take the wheel's height, centred like it.
void PaintSquareChart(QPainter& painter, const ChartResult& result, ChartStyle style)
{
    const double side = std::min(ChartPage::LogicalSize.height() - Margin - WheelTop,
                                 ChartPage::LogicalSize.width() - 2 * Margin);
    const QRectF box((ChartPage::LogicalSize.width() - side) / 2, WheelTop, side, side);
    const ChartStyleInput input = BirthChartInput(result);
    if (style == ChartStyle::NorthIndian) {
        NorthIndianChart::Paint(painter, box, input);
    } else {
        SouthIndianChart::Paint(painter, box, input);
    }
}

// How the chart was calculated, small, in the bottom margin under the
// chart; a long line (a long zone name) goes on over a second.
void PaintCalculationLine(QPainter& painter, const ChartResult& result)
{
    painter.setFont(PageFont(24));
    painter.setPen(Qt::darkGray);
    const QRectF box(Margin, ChartPage::LogicalSize.height() - Margin + 20, PageRight - Margin, 90);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     ToQString(CalculationLine(result.chart, result.clock)));
    painter.setPen(Qt::black);
}

}  // namespace

void ChartPage::Paint(QPainter& painter, const QRectF& page, const ChartResult& result, ChartStyle style)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(page, Qt::white);
    const double scale = std::min(page.width() / LogicalSize.width(), page.height() / LogicalSize.height());
    painter.translate(page.center().x() - LogicalSize.width() * scale / 2,
                      page.center().y() - LogicalSize.height() * scale / 2);
    painter.scale(scale, scale);
    painter.setPen(Qt::black);

    const ChartDisplay& display = result.display;
    painter.setFont(PageFont(80, true));
    painter.drawText(QRectF(Margin, Margin, LogicalSize.width() - 2 * Margin, NameHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, ToQString(display.details.name));
    painter.setPen(QPen(Qt::gray, 4));
    const double ruleY = Margin + NameHeight + 20;
    painter.drawLine(QPointF(Margin, ruleY), QPointF(LogicalSize.width() - Margin, ruleY));
    painter.setPen(Qt::black);

    double y = PaintLines(painter, LeftColumn, LeftValues, LeftRight, BlockTop, BirthLines(result));
    y += LineHeight / 2;
    PaintLines(painter, LeftColumn, LeftValues, LeftRight, y,
               {{tr("Lagna"), ShownSignText(ToQString(display.lagna))},
                {tr("Sun sign"), ShownSignText(ToQString(display.sunSign))},
                {tr("Moon sign"), ShownSignText(ToQString(display.rashi))}});
    PaintPositions(painter, result);
    if (style == ChartStyle::Wheel) {
        PaintWheel(painter, display);
    } else {
        PaintSquareChart(painter, result, style);
    }
    PaintCalculationLine(painter, result);
    painter.restore();
}

}  // namespace zodiora
