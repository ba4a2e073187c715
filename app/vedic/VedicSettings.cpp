#include "app/vedic/VedicSettings.h"

#include <QSettings>
#include <QString>

namespace zodiora {

namespace {

const QString StyleKey = QStringLiteral("results/chartStyle");
const QString EphemerisKey = QStringLiteral("charts/ephemeris");

// Stored as words, so a settings file stays readable and an old value of
// another meaning falls back to the default instead of a wrong style.
const char* StyleWord(ChartStyle style)
{
    switch (style) {
    case ChartStyle::NorthIndian: return "north";
    case ChartStyle::SouthIndian: return "south";
    case ChartStyle::Wheel: break;
    }
    return "wheel";
}

}  // namespace

ChartStyle VedicSettings::chartStyle()
{
    const QString word = QSettings().value(StyleKey).toString();
    for (ChartStyle style : {ChartStyle::NorthIndian, ChartStyle::SouthIndian}) {
        if (word == QLatin1String(StyleWord(style))) {
            return style;
        }
    }
    return ChartStyle::Wheel;
}

void VedicSettings::setChartStyle(ChartStyle style)
{
    QSettings().setValue(StyleKey, QLatin1String(StyleWord(style)));
}

Ephemeris VedicSettings::ephemeris()
{
    const QString word = QSettings().value(EphemerisKey).toString();
    return word == QLatin1String(EphemerisName(Ephemeris::Precise)) ? Ephemeris::Precise : Ephemeris::Classic;
}

void VedicSettings::setEphemeris(Ephemeris ephemeris)
{
    QSettings().setValue(EphemerisKey, QLatin1String(EphemerisName(ephemeris)));
}

}  // namespace zodiora
