// The calculation settings on the birth form: Classic, Lahiri, mean node
// and Julian year unless chosen, a choice reaching the next chart, the
// results' header and calculation line, and remembered by the next form.
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QTableWidget>

#include "app/BirthFormWindow.h"
#include "app/ResultsWindow.h"
#include "app/vedic/CalculationMenu.h"
#include "app/vedic/VedicSettings.h"
#include "app/QtText.h"
#include "engine/PositionText.h"
#include "tests/app/VedicTestSupport.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

/// The results' ephemeris line after Proceed with the 1980 birth.
QString EphemerisShown(BirthFormWindow& form)
{
    form.setInput(Delhi1980Form());
    form.proceed();
    return Child<QLabel>(*form.resultsWindow(), "ephemerisLabel")->text();
}

/// The Moon's position on the nakshatra page of the chart on show.
QString MoonShown(BirthFormWindow& form)
{
    return Child<QTableWidget>(*form.resultsWindow(), "nakshatraTable")->item(int(IndexOf(Body::Moon)), 1)->text();
}

QStringList MenuTitles(QMenuBar* bar)
{
    QStringList titles;
    for (const QAction* action : bar->actions()) {
        titles << action->text();
    }
    return titles;
}

}  // namespace

class CalculationMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init() { FreshSettings(); }

    void classicUnlessChosen()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        QCOMPARE(MenuTitles(form.menuBar()),
                 (QStringList{QStringLiteral("&File"), QStringLiteral("&Language"), QStringLiteral("&Settings"),
                              QStringLiteral("&Help")}));
        QVERIFY(Child<QAction>(form, "classicEphemerisAction")->isChecked());
        QVERIFY(EphemerisShown(form).contains(QStringLiteral("Classic")));
        QCOMPARE(MoonShown(form), ToQString(LongPositionText(Delhi1980Chart().chart.longitude(Body::Moon))));
    }

    void preciseReachesTheChartAndIsRemembered()
    {
        RecordingPlatform platform;
        {
            BirthFormWindow form(platform);
            Child<QAction>(form, "preciseEphemerisAction")->trigger();
            QVERIFY(!Child<QAction>(form, "classicEphemerisAction")->isChecked());
            QVERIFY(EphemerisShown(form).contains(QStringLiteral("Precise")));
            const ChartResult precise = Delhi1980Chart(Ephemeris::Precise);
            QCOMPARE(precise.chart.settings.ephemeris, Ephemeris::Precise);
            QCOMPARE(MoonShown(form), ToQString(LongPositionText(precise.chart.longitude(Body::Moon))));
            QVERIFY(MoonShown(form) != ToQString(LongPositionText(Delhi1980Chart().chart.longitude(Body::Moon))));
        }
        QCOMPARE(VedicSettings::ephemeris(), Ephemeris::Precise);
        BirthFormWindow next(platform);
        QVERIFY(Child<QAction>(next, "preciseEphemerisAction")->isChecked());
        QVERIFY(EphemerisShown(next).contains(QStringLiteral("Precise")));

        Child<QAction>(next, "classicEphemerisAction")->trigger();
        QVERIFY(EphemerisShown(next).contains(QStringLiteral("Classic")));
        QCOMPARE(VedicSettings::ephemeris(), Ephemeris::Classic);
    }

    void applyHearsTheRememberedChoiceAtOnce()
    {
        VedicSettings::setEphemeris(Ephemeris::Precise);
        CalculationSettings heard;
        CalculationMenu menu([&](const CalculationSettings& s) { heard = s; });
        QCOMPARE(heard.ephemeris, Ephemeris::Precise);
        menu.chooseEphemeris(Ephemeris::Classic);
        QCOMPARE(heard.ephemeris, Ephemeris::Classic);
        QCOMPARE(menu.ephemeris(), Ephemeris::Classic);
    }

    void everySettingIsOfferedAndOneChoiceKeepsTheOthers()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        for (const char* name : {"ephemerisMenu", "ayanamsaMenu", "nodeMenu", "dashaYearMenu"}) {
            QVERIFY2(Child<QMenu>(form, name) != nullptr, name);
        }
        QCOMPARE(Child<QMenu>(form, "ayanamsaMenu")->actions().size(), 6);
        QVERIFY(Child<QAction>(form, "lahiriAyanamsaAction")->isChecked());
        QVERIFY(Child<QAction>(form, "meanNodeAction")->isChecked());
        QVERIFY(Child<QAction>(form, "julianDashaYearAction")->isChecked());

        Child<QAction>(form, "ramanAyanamsaAction")->trigger();
        Child<QAction>(form, "trueNodeAction")->trigger();
        Child<QAction>(form, "savanaDashaYearAction")->trigger();
        QVERIFY(!Child<QAction>(form, "lahiriAyanamsaAction")->isChecked());
        const CalculationSettings chosen{Ephemeris::Classic, AyanamsaKind::Raman, NodeKind::True, DashaYear::Savana};
        QCOMPARE(form.calculationSettings(), chosen);
        QCOMPARE(VedicSettings::calculationSettings(), chosen);

        // The chart on show is calculated so, and says so on every page.
        QVERIFY(EphemerisShown(form).contains(QStringLiteral("Raman ayanamsa")));
        const QString line = Child<QLabel>(*form.resultsWindow(), "calculationLabel")->text();
        QVERIFY2(line.contains(QStringLiteral("Raman ayanamsa 22\u00B0")), qPrintable(line));
        QVERIFY(line.contains(QStringLiteral("true node")));
        QVERIFY(line.contains(QStringLiteral("dasha year 360 days")));
        QVERIFY(line.endsWith(QStringLiteral("clock: Indian Time IST +05:30")));

        // The next form starts from the remembered choice.
        BirthFormWindow next(platform);
        QVERIFY(Child<QAction>(next, "ramanAyanamsaAction")->isChecked());
        QCOMPARE(next.calculationSettings(), chosen);
    }

    void aSavedChartsSettingsApplyWithoutBecomingTheDefault()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        const CalculationSettings saved{Ephemeris::Precise, AyanamsaKind::Yukteshwar, NodeKind::Mean,
                                        DashaYear::Julian};
        form.setCalculationSettings(saved);
        QVERIFY(Child<QAction>(form, "yukteshwarAyanamsaAction")->isChecked());
        QVERIFY(Child<QAction>(form, "preciseEphemerisAction")->isChecked());
        QCOMPARE(form.calculationSettings(), saved);
        QCOMPARE(VedicSettings::calculationSettings(), CalculationSettings{});
    }

    void theOldEphemerisPreferenceStillReads()
    {
        QSettings().setValue(QStringLiteral("charts/ephemeris"), QStringLiteral("precise"));
        QCOMPARE(VedicSettings::calculationSettings().ephemeris, Ephemeris::Precise);
        QCOMPARE(VedicSettings::calculationSettings().ayanamsa, AyanamsaKind::Lahiri);
    }
};

QTEST_MAIN(CalculationMenuTest)
#include "tst_calculationmenu.moc"
