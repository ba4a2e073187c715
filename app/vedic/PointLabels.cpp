#include "app/vedic/PointLabels.h"

#include <QCoreApplication>
#include <algorithm>

#include "app/Language.h"
#include "engine/PositionText.h"
#include "presentation/ChartSession.h"
#include "presentation/VedicDetails.h"

namespace zodiora {

namespace {

/// Places every point but the Ascendant in the sign `signOf` gives it.
template <typename SignFinder>
ChartStyleInput PlacePoints(const ChartResult& result, SignFinder signOf, const QString& title)
{
    ChartStyleInput input;
    input.ascendantSign = signOf(Body::Ascendant);
    input.title = title;
    for (Body body : AllPoints) {
        if (body != Body::Ascendant) {
            input.labels[static_cast<std::size_t>(signOf(body))] << PointLabel(result, body);
        }
    }
    return input;
}

}  // namespace

QString PointLabel(const ChartResult& result, Body body)
{
    QString label = ShortPointName(body);
    // Only the planets carry retrograde flags; the mean nodes always move backwards.
    if (IndexOf(body) < IndexOf(Body::Ascendant) && result.retrograde[body]) {
        label += QLatin1Char(' ') + RetrogradeMarkText();
    }
    return label;
}

ChartStyleInput BirthChartInput(const ChartResult& result)
{
    return PlacePoints(result, [&](Body body) { return std::max(0, SignOf(result.chart.longitude(body))); },
                 QCoreApplication::translate("zodiora::VedicPanel", "Rasi"));
}

ChartStyleInput NavamsaChartInput(const ChartResult& result, const VedicDetails& details)
{
    return PlacePoints(result, [&](Body body) { return details.navamsa[IndexOf(body)]; },
                 QCoreApplication::translate("zodiora::VedicPanel", "Navamsa"));
}

}  // namespace zodiora
