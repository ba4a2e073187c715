#include "app/CalculationText.h"

#include "app/Language.h"
#include "app/QtText.h"
#include "app/ZoneNames.h"

#include <QCoreApplication>

namespace zodiora {

namespace {

std::string Utf8(const QString& text)
{
    return ToUtf8(text);
}

}  // namespace

CalculationWords WindowCalculationWords()
{
    if (WindowNameStyle().language == vocabulary::Language::English) return {};
    CalculationWords words;
    words.precise = Utf8(QCoreApplication::translate("zodiora::CalculationText", "Precise ephemeris (Swiss Ephemeris)"));
    words.classic = Utf8(QCoreApplication::translate("zodiora::CalculationText", "Classic ephemeris (mean orbital elements)"));
    // In AyanamsaChoices' order.
    words.ayanamsaTitles = {Utf8(QCoreApplication::translate("zodiora::CalculationText", "Lahiri")),
                            Utf8(QCoreApplication::translate("zodiora::CalculationText", "Raman")),
                            Utf8(QCoreApplication::translate("zodiora::CalculationText", "Krishnamurti (KP)")),
                            Utf8(QCoreApplication::translate("zodiora::CalculationText", "Fagan-Bradley")),
                            Utf8(QCoreApplication::translate("zodiora::CalculationText", "True Chitra")),
                            Utf8(QCoreApplication::translate("zodiora::CalculationText", "Yukteshwar"))};
    words.ayanamsa = Utf8(QCoreApplication::translate("zodiora::CalculationText", "%1 ayanamsa", "%1: the ayanamsa's name"));
    words.nodes = {Utf8(QCoreApplication::translate("zodiora::CalculationText", "mean node")),
                   Utf8(QCoreApplication::translate("zodiora::CalculationText", "true node"))};
    words.dashaYear = Utf8(QCoreApplication::translate("zodiora::CalculationText", "dasha year %1 days", "%1: days in the year"));
    words.clock = Utf8(QCoreApplication::translate("zodiora::CalculationText", "clock:"));
    words.meanTimeOf = Utf8(QCoreApplication::translate("zodiora::CalculationText", "Local mean time of %1,", "%1: a place"));
    words.birthPlace = Utf8(QCoreApplication::translate("zodiora::CalculationText", "the birth place"));
    words.daylightSaving = Utf8(QCoreApplication::translate("zodiora::CalculationText", "with daylight saving"));
    words.zoneName = [](std::string_view zone) { return ToUtf8(ShownZoneName(zone)); };
    return words;
}

QString ShownAyanamsaTitle(AyanamsaKind ayanamsa)
{
    const CalculationWords words = WindowCalculationWords();
    for (std::size_t i = 0; i < AyanamsaChoices.size(); ++i) {
        if (AyanamsaChoices[i].value == ayanamsa && !words.ayanamsaTitles[i].empty()) {
            return ToQString(words.ayanamsaTitles[i]);
        }
    }
    return ToQString(TitleOf(ayanamsa));
}

QString ShownCalculationLine(const Chart& chart, const ClockReading& clock)
{
    return ToQString(CalculationLine(chart, clock, WindowCalculationWords()));
}

}  // namespace zodiora
