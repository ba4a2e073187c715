#include "app/vedic/PointLabels.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "engine/ChartVargas.h"

#include "app/Language.h"
#include "engine/PositionText.h"
#include "presentation/ChartSession.h"
#include "presentation/VedicDetails.h"

namespace zodiora {

namespace {

/// Places every point but the one rising (the Ascendant unless another is
/// given) in the sign `signOf` gives it.
template <typename SignFinder>
ChartStyleInput PlacePoints(const ChartResult& result, SignFinder signOf, const QString& title, bool degrees,
                            Body rising = Body::Ascendant)
{
    ChartStyleInput input;
    input.ascendantSign = signOf(rising);
    input.title = title;
    input.risingLabel = ShortPointName(rising);
    for (Body body : AllPoints) {
        if (body != rising) {
            input.labels[static_cast<std::size_t>(signOf(body))] << PointLabel(result, body, degrees);
        }
    }
    return input;
}

int BirthSign(const ChartResult& result, Body body)
{
    return std::max(0, SignOf(result.chart.longitude(body)));
}

}  // namespace

QString PointLabel(const ChartResult& result, Body body, bool degrees)
{
    QString label = ShortPointName(body);
    if (degrees) {
        // Whole minutes, cut as the position texts cut them.
        const double inSign = std::fmod(result.chart.longitude(body), 30.0);
        const int minutes = static_cast<int>((inSign < 0 ? inSign + 30 : inSign) * 60);
        label += QStringLiteral(" %1\u00b0%2\u2032").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
    }
    // Only the planets carry retrograde flags; the mean nodes always move backwards.
    if (IndexOf(body) < IndexOf(Body::Ascendant) && result.retrograde[body]) {
        label += QLatin1Char(' ') + RetrogradeMarkText();
    }
    return label;
}

ChartStyleInput BirthChartInput(const ChartResult& result, bool degrees)
{
    return PlacePoints(result, [&](Body body) { return BirthSign(result, body); },
                       QCoreApplication::translate("zodiora::VedicPanel", "Rasi"), degrees);
}

ChartStyleInput NavamsaChartInput(const ChartResult& result, const VedicDetails& details)
{
    return PlacePoints(result, [&](Body body) { return details.navamsa[IndexOf(body)]; },
                       QCoreApplication::translate("zodiora::VedicPanel", "Navamsa"), false);
}

ChartStyleInput VargaChartInput(const ChartResult& result, const VargaSigns& signs, vedic::Varga varga, bool degrees)
{
    return PlacePoints(result, [&](Body body) { return signs.sign(body, varga); },
                       QString::fromLatin1(vedic::VargaName(varga).data(), int(vedic::VargaName(varga).size())),
                       degrees);
}

ChartStyleInput MoonChartInput(const ChartResult& result, bool degrees)
{
    return PlacePoints(result, [&](Body body) { return BirthSign(result, body); },
                       QCoreApplication::translate("zodiora::VedicPanel", "Moon"), degrees, Body::Moon);
}

}  // namespace zodiora
