#include "app/ChartPage.h"

#include "app/CalculationText.h"
#include "app/ZoneNames.h"
#include "app/Language.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "birthdata/TimeZoneTable.h"
#include "engine/PositionText.h"
#include "presentation/ChartSession.h"

#include "app/AppFont.h"
#include "app/NatalWheel.h"
#include "app/charts/NorthIndianChart.h"
#include "app/charts/SouthIndianChart.h"
#include "app/vedic/DashaTree.h"
#include "app/vedic/PointLabels.h"
#include "engine/ChartVargas.h"
#include "engine/Engine.h"
#include "vedic/DashaLevels.h"
#include "vedic/LocalDate.h"
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

/// The name's font: 80 units, smaller for a name too wide for the line
/// (sixty capitals W take about two and a half lines at 80).
QFont NameFont(const QString& name, double width)
{
    constexpr int Full = 80;
    const double advance = QFontMetricsF(PageFont(Full, true)).horizontalAdvance(name);
    if (advance <= width) {
        return PageFont(Full, true);
    }
    return PageFont(std::max(1, static_cast<int>(Full * width / advance)), true);
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
    bool wraps = false;  ///< goes on over more lines rather than being cut short
};

/// Most lines a wrapping value takes; past them it is cut short.
constexpr int WrapLimit = 3;

/// Captions and values in two columns from `top`, values cut short with
/// an ellipsis at `right` (a wrapping value first takes up to WrapLimit
/// lines, those below moving down); answers the y below them.
double PaintLines(QPainter& painter, double captionX, double valueX, double right, double top,
                  const std::vector<Line>& lines)
{
    double y = top;
    const QFont valueFont = PageFont(36, true);
    const QFontMetricsF metrics(valueFont);
    const double width = right - valueX;
    for (const Line& line : lines) {
        int rows = 1;
        if (line.wraps) {
            const QRectF needed = metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, line.value);
            rows = std::clamp(static_cast<int>(std::ceil(needed.height() / metrics.lineSpacing() - 0.01)), 1, WrapLimit);
        }
        painter.setFont(PageFont(36));
        painter.drawText(QRectF(captionX, y, valueX - captionX, LineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         line.caption);
        painter.setFont(valueFont);
        if (rows > 1) {
            const QRectF box(valueX, y + (LineHeight - metrics.lineSpacing()) / 2, width, rows * LineHeight);
            painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line.value);
        } else {
            // A coordinate given to hundredths of a second is a little wider
            // than its column: a slightly smaller size keeps it whole.
            QFont fitted = valueFont;
            const double advance = metrics.horizontalAdvance(line.value);
            if (advance > width) {
                fitted.setPixelSize(std::max(valueFont.pixelSize() * 3 / 4,
                                             static_cast<int>(valueFont.pixelSize() * width / advance)));
                painter.setFont(fitted);
            }
            painter.drawText(QRectF(valueX, y, width, LineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             QFontMetricsF(fitted).elidedText(line.value, Qt::ElideRight, width));
        }
        y += rows * LineHeight;
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
                            {ChartPage::tr("Place"), PlaceText(details), true},
                            {ChartPage::tr("Latitude"), ShownCoordinate(ToQString(details.latitude))},
                            {ChartPage::tr("Longitude"), ShownCoordinate(ToQString(details.longitude))}};
    if (birth.exactOffsetSeconds) {
        lines.push_back({ChartPage::tr("Offset from UT"), OffsetText(*birth.exactOffsetSeconds)});
    } else {
        const bool known = birth.zoneRow >= 0 && birth.zoneRow < TimeZoneRowCount;
        lines.push_back({ChartPage::tr("Time zone"),
                         known ? ShownZoneRow(birth.zoneRow) : QString()});
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

void PaintWheel(QPainter& painter, const ChartDisplay& display, const QRectF& area)
{
    std::array<QString, 12> houses;
    for (std::size_t k = 0; k < houses.size(); ++k) {
        houses[k] = ShownHouseText(ToQString(display.houses[k]));
    }
    std::array<int, 12> glyphs{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    if (display.glyphs) {
        glyphs = *display.glyphs;
    }
    const double height = std::min(area.height(), area.width() * NatalWheel::DesignHeight / NatalWheel::DesignWidth);
    const double width = height * NatalWheel::DesignWidth / NatalWheel::DesignHeight;
    NatalWheel::Paint(painter, QRectF(area.center().x() - width / 2, area.top(), width, height), houses, glyphs);
}

// A square chart as large as fits `area`, centred across it, at its top.
void PaintSquare(QPainter& painter, const QRectF& area, const ChartStyleInput& input, ChartStyle style)
{
    const double side = std::min(area.height(), area.width());
    const QRectF box(area.center().x() - side / 2, area.top(), side, side);
    if (style == ChartStyle::NorthIndian) {
        NorthIndianChart::Paint(painter, box, input);
    } else {
        SouthIndianChart::Paint(painter, box, input);
    }
}

// A divisional chart in the page's style: the wheel's houses from its signs.
void PaintStyled(QPainter& painter, const QRectF& area, const ChartStyleInput& input, ChartStyle style)
{
    if (style != ChartStyle::Wheel) {
        PaintSquare(painter, area, input, style);
        return;
    }
    std::array<QString, 12> houses;
    std::array<int, 12> glyphs{};
    for (int house = 0; house < 12; ++house) {
        const int sign = (input.ascendantSign + house) % 12;
        QStringList lines = input.labels[static_cast<std::size_t>(sign)];
        if (house == 0) {
            lines.prepend(input.risingLabel);
        }
        houses[static_cast<std::size_t>(house)] = lines.join(QStringLiteral("\r\n"));
        glyphs[static_cast<std::size_t>(house)] = sign + 1;
    }
    const double height = std::min(area.height(), area.width() * NatalWheel::DesignHeight / NatalWheel::DesignWidth);
    const double width = height * NatalWheel::DesignWidth / NatalWheel::DesignHeight;
    NatalWheel::Paint(painter, QRectF(area.center().x() - width / 2, area.top(), width, height), houses, glyphs);
}

void PaintBirthChart(QPainter& painter, const ChartResult& result, ChartStyle style, const QRectF& area)
{
    if (style == ChartStyle::Wheel) {
        PaintWheel(painter, result.display, area);
    } else {
        PaintSquare(painter, area, BirthChartInput(result), style);
    }
}

// With extras: the birth chart at the left of the chart area, the periods
// running on `day` beside it, the chosen vargas in a row beneath.
constexpr double ExtrasChartSide = 1000;
constexpr double ExtrasGap = 60;

void PaintRunningDasha(QPainter& painter, const ChartResult& result, const QDate& day, const QRectF& area)
{
    const int offset = UtcOffsetSeconds(result.birth);
    const double daysPerYear = DaysPerYear(result.chart.settings.dashaYear);
    const vedic::VimshottariDasha dasha =
        vedic::Vimshottari(result.chart.longitude(Body::Moon), JulianDayUt(result.chart.moment), daysPerYear);
    const std::vector<vedic::DashaNode> running = vedic::DashaPeriodsAt(
        dasha, vedic::LocalNoonJd({day.year(), day.month(), day.day()}, offset), vedic::DashaLevelCount, daysPerYear);
    painter.setFont(PageFont(40, true));
    painter.drawText(QRectF(area.left(), area.top(), area.width(), LineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     ChartPage::tr("Dasha on %1").arg(ShownDate(day)));
    double y = area.top() + LineHeight * 1.3;
    if (running.empty()) {
        painter.setFont(PageFont(32));
        painter.drawText(QRectF(area.left(), y, area.width(), LineHeight * 2), Qt::AlignLeft | Qt::TextWordWrap,
                         ChartPage::tr("No period runs on that day."));
        return;
    }
    for (const vedic::DashaNode& node : running) {
        const bool timed = node.level >= DashaTree::TimedLevel;
        painter.setFont(PageFont(32));
        painter.drawText(QRectF(area.left(), y, area.width(), LineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         DashaTree::levelName(node.level));
        painter.setFont(PageFont(32, true));
        painter.drawText(QRectF(area.left() + 330, y, area.width() - 330, LineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         ShownEnglishName(ToQString(vedic::DashaLordName(node.lord))));
        y += LineHeight;
        painter.setFont(PageFont(28));
        painter.drawText(QRectF(area.left() + 330, y - 8, area.width() - 330, LineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         ChartPage::tr("%1 to %2").arg(DashaTree::momentText(node.startJd, offset, timed),
                                                      DashaTree::momentText(node.endJd, offset, timed)));
        y += LineHeight * 1.1;
    }
}

void PaintVargaRow(QPainter& painter, const ChartResult& result, ChartStyle style,
                   const std::vector<vedic::Varga>& vargas, double top)
{
    const VargaSigns signs = VargaSignsOf(result.chart);
    const double width = PageRight - Margin;
    const double slot = (width - ExtrasGap * (ChartPageExtras::MaxVargas - 1)) / ChartPageExtras::MaxVargas;
    const double side = std::min(slot, ChartPage::LogicalSize.height() - Margin - top - LineHeight);
    // The chosen few centred in the row.
    const double used = static_cast<double>(vargas.size()) * (slot + ExtrasGap) - ExtrasGap;
    double x = Margin + (width - used) / 2;
    for (const vedic::Varga varga : vargas) {
        painter.setFont(PageFont(36, true));
        painter.drawText(QRectF(x, top, slot, LineHeight), Qt::AlignHCenter | Qt::AlignVCenter,
                         ChartPage::tr("%1 (%2)").arg(ShownVargaTitle(varga),
                                                     ToQString(vedic::VargaName(varga))));
        PaintStyled(painter, QRectF(x, top + LineHeight, slot, side), VargaChartInput(result, signs, varga), style);
        x += slot + ExtrasGap;
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
                     ShownCalculationLine(result.chart, result.clock));
    painter.setPen(Qt::black);
}

}  // namespace

void ChartPage::Paint(QPainter& painter, const QRectF& page, const ChartResult& result, ChartStyle style,
                      const ChartPageExtras& extras, const QDate& dashaDay, const QString& timeNote)
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
    painter.setFont(NameFont(ToQString(display.details.name), LogicalSize.width() - 2 * Margin));
    painter.drawText(QRectF(Margin, Margin, LogicalSize.width() - 2 * Margin, NameHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, ToQString(display.details.name));
    painter.setPen(QPen(Qt::gray, 4));
    const double ruleY = Margin + NameHeight + 20;
    painter.drawLine(QPointF(Margin, ruleY), QPointF(LogicalSize.width() - Margin, ruleY));
    painter.setPen(Qt::black);

    double y = PaintLines(painter, LeftColumn, LeftValues, LeftRight, BlockTop, BirthLines(result));
    y += LineHeight / 2;
    y = PaintLines(painter, LeftColumn, LeftValues, LeftRight, y,
                   {{tr("Lagna"), ShownSignText(ToQString(display.lagna))},
                    {tr("Sun sign"), ShownSignText(ToQString(display.sunSign))},
                    {tr("Moon sign"), ShownSignText(ToQString(display.rashi))}});
    if (!timeNote.isEmpty()) {
        painter.setFont(PageFont(28));
        painter.setPen(QColor(170, 0, 0));
        painter.drawText(QRectF(LeftColumn, y + LineHeight / 3, LeftRight - LeftColumn, WheelTop - y - LineHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, timeNote);
        painter.setPen(Qt::black);
    }
    PaintPositions(painter, result);
    const double chartHeight = LogicalSize.height() - Margin - WheelTop;
    if (extras.empty()) {
        // The chart alone takes the whole area, centred.
        PaintBirthChart(painter, result, style, QRectF(Margin, WheelTop, PageRight - Margin, chartHeight));
    } else {
        PaintBirthChart(painter, result, style, QRectF(Margin, WheelTop, ExtrasChartSide, ExtrasChartSide));
        if (extras.runningDasha) {
            const double left = Margin + ExtrasChartSide + ExtrasGap;
            PaintRunningDasha(painter, result, dashaDay.isValid() ? dashaDay : QDate::currentDate(),
                              QRectF(left, WheelTop, PageRight - left, ExtrasChartSide));
        }
        PaintVargaRow(painter, result, style, extras.vargas, WheelTop + ExtrasChartSide + ExtrasGap);
    }
    PaintCalculationLine(painter, result);
    painter.restore();
}

}  // namespace zodiora
