#include "app/vedic/VedicSettings.h"

#include <QSettings>
#include <QString>
#include <QStringList>

namespace zodiora {

namespace {

const QString StyleKey = QStringLiteral("results/chartStyle");
// Before the other settings the ephemeris was kept alone under this key;
// it still gives the ephemeris where the settings text is not yet written.
const QString EphemerisKey = QStringLiteral("charts/ephemeris");
const QString SettingsKey = QStringLiteral("charts/settings");
const QString PageVargasKey = QStringLiteral("chartPage/vargas");
const QString PageDashaKey = QStringLiteral("chartPage/runningDasha");

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

// The vargas as their names, "D9,D60", so the file stays readable.
ChartPageExtras VedicSettings::chartPageExtras()
{
    const QSettings settings;
    ChartPageExtras extras;
    extras.runningDasha = settings.value(PageDashaKey, false).toBool();
    // A hand-written "D9,D60" without quotes reads as a list; either form does.
    const QStringList names =
        settings.value(PageVargasKey).toStringList().join(QLatin1Char(',')).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const vedic::Varga varga : vedic::AllVargas) {
        const QString name = QString::fromLatin1(vedic::VargaName(varga).data(), int(vedic::VargaName(varga).size()));
        if (names.contains(name) && extras.vargas.size() < ChartPageExtras::MaxVargas) {
            extras.vargas.push_back(varga);
        }
    }
    return extras;
}

void VedicSettings::setChartPageExtras(const ChartPageExtras& extras)
{
    QStringList names;
    for (const vedic::Varga varga : extras.vargas) {
        names << QString::fromLatin1(vedic::VargaName(varga).data(), int(vedic::VargaName(varga).size()));
    }
    QSettings stored;
    stored.setValue(PageVargasKey, names.join(QLatin1Char(',')));
    stored.setValue(PageDashaKey, extras.runningDasha);
}

}  // namespace zodiora
