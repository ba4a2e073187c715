// The ephemeris setting on the birth form: Classic unless chosen, the
// choice reaching the next chart and the results' header, and remembered
// by the next form.
#include <QLabel>
#include <QMenuBar>
#include <QTableWidget>

#include "app/BirthFormWindow.h"
#include "app/ResultsWindow.h"
#include "app/vedic/EphemerisMenu.h"
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

class EphemerisMenuTest : public QObject {
    Q_OBJECT

private slots:
    void init() { FreshSettings(); }

    void classicUnlessChosen()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        QCOMPARE(MenuTitles(form.menuBar()),
                 (QStringList{QStringLiteral("&File"), QStringLiteral("&Settings"), QStringLiteral("&Help")}));
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
        Ephemeris heard = Ephemeris::Classic;
        EphemerisMenu menu([&](Ephemeris e) { heard = e; });
        QCOMPARE(heard, Ephemeris::Precise);
        menu.choose(Ephemeris::Classic);
        QCOMPARE(heard, Ephemeris::Classic);
        QCOMPARE(menu.ephemeris(), Ephemeris::Classic);
    }
};

QTEST_MAIN(EphemerisMenuTest)
#include "tst_ephemerismenu.moc"
