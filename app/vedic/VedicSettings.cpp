#include "app/vedic/VedicSettings.h"

#include <QSettings>
#include <QString>

namespace zodiora {

namespace {

const QString StyleKey = QStringLiteral("results/chartStyle");
// Before the other settings the ephemeris was kept alone under this key;
// it still gives the ephemeris where the settings text is not yet written.
const QString EphemerisKey = QStringLiteral("charts/ephemeris");
const QString SettingsKey = QStringLiteral("charts/settings");

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

CalculationSettings VedicSettings::calculationSettings()
{
    const QSettings settings;
    CalculationSettings base;
    const QString word = settings.value(EphemerisKey).toString();
    base.ephemeris = word == QLatin1String(EphemerisName(Ephemeris::Precise)) ? Ephemeris::Precise : Ephemeris::Classic;
    return ParseSettingsText(settings.value(SettingsKey).toString().toStdString(), base);
}

void VedicSettings::setCalculationSettings(const CalculationSettings& settings)
{
    QSettings stored;
    stored.setValue(SettingsKey, QString::fromStdString(SettingsText(settings)));
    stored.setValue(EphemerisKey, QLatin1String(EphemerisName(settings.ephemeris)));
}

Ephemeris VedicSettings::ephemeris()
{
    return calculationSettings().ephemeris;
}

void VedicSettings::setEphemeris(Ephemeris ephemeris)
{
    CalculationSettings settings = calculationSettings();
    settings.ephemeris = ephemeris;
    setCalculationSettings(settings);
}

}  // namespace zodiora
