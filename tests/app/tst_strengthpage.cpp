// The Strength page of the 15 June 1980 chart: the dignity table, the
// Shadbala table with its bars, the Ashtakavarga grid and the
// Sarvashtakavarga drawn in the chosen style, and a polar birth without
// Shadbala. With ZODIORA_SHOT_DIR set it also saves a picture of the page.
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include "app/vedic/ChartStyleView.h"
#include "app/vedic/ShadbalaBars.h"
#include "app/vedic/StrengthPage.h"
#include "presentation/VedicDetails.h"
#include "tests/app/VedicTestSupport.h"

using namespace zodiora;
using namespace zodiora::test;

class TestStrengthPage : public QObject {
    Q_OBJECT

private:
    static void Show(StrengthPage& page, const ChartResult& chart)
    {
        const VedicDetails details = BuildVedicDetails(chart.chart, UtcOffsetSeconds(chart.birth));
        page.showChart(chart, VedicContext{QDate(2027, 3, 1), details});
    }

private slots:
    void initTestCase() { FreshSettings(); }

    void showsTheThreeParts()
    {
        StrengthPage page;
        page.resize(1000, qEnvironmentVariableIntValue("ZODIORA_SHOT_HEIGHT") > 0 ? qEnvironmentVariableIntValue("ZODIORA_SHOT_HEIGHT") : 900);
        Show(page, Delhi1980Chart());
        QCOMPARE(page.title(), QStringLiteral("Strength"));
        auto* dignity = page.findChild<QTableWidget*>(QStringLiteral("dignityTable"));
        auto* shadbala = page.findChild<QTableWidget*>(QStringLiteral("shadbalaTable"));
        auto* grid = page.findChild<QTableWidget*>(QStringLiteral("ashtakavargaTable"));
        auto* sarva = page.findChild<ChartStyleView*>(QStringLiteral("sarvaChart"));
        QVERIFY(dignity && shadbala && grid && sarva);
        QVERIFY(page.findChild<ShadbalaBars*>(QStringLiteral("shadbalaBars")));
        // Sun 0°30' Gemini beside Mercury: natural neutral, temporary enemy.
        QCOMPARE(dignity->item(0, 1)->text(), QStringLiteral("enemy's sign"));
        // Mars in Leo, the Sun in the 11th from him: great friend's sign.
        QCOMPARE(dignity->item(2, 1)->text(), QStringLiteral("great friend's sign"));
        QCOMPARE(dignity->item(2, 4)->text(), QStringLiteral("4, 7, 8"));
        QVERIFY(dignity->item(5, 2)->text().endsWith(QStringLiteral("combust")));  // Venus 0°26' from the Sun
        QVERIFY(!dignity->item(3, 2)->text().endsWith(QStringLiteral("combust")));  // Mercury 24° away
        QVERIFY(!shadbala->item(0, 8)->text().isEmpty());
        QCOMPARE(grid->item(7, 12)->text(), QStringLiteral("337"));  // Sarva total
        QCOMPARE(grid->item(8, 12)->text(), QStringLiteral("49"));   // Lagna's row
        int total = 0;
        for (const QStringList& labels : sarva->input().labels) total += labels.join(QString()).toInt();
        QCOMPARE(total, 337);
        QCOMPARE(sarva->input().ascendantSign, 2);  // Gemini rising
        QVERIFY(page.findChild<QLabel*>(QStringLiteral("ashtakavargaSource"))->text().contains(
            QStringLiteral("Narasimha Rao")));

        page.setChartStyle(ChartStyle::SouthIndian);
        QCOMPARE(sarva->chartStyle(), ChartStyle::SouthIndian);

        if (const QByteArray dir = qgetenv("ZODIORA_SHOT_DIR"); !dir.isEmpty()) {
            page.show();
            QVERIFY(QTest::qWaitForWindowExposed(&page));
            QVERIFY(page.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/strength.png")));
        }
    }

    void aPolarBirthHasNoShadbala()
    {
        BirthFormInput form = Delhi1980Form();
        form.latDegrees = "80";
        StrengthPage page;
        ChartSession session;
        const ChartResult chart = session.run(form, ChartSession::ReportMode::Skip);
        Show(page, chart);
        auto* shadbala = page.findChild<QTableWidget*>(QStringLiteral("shadbalaTable"));
        QVERIFY(shadbala->item(0, 8)->text().isEmpty());
        QVERIFY(page.findChild<QLabel*>(QStringLiteral("shadbalaNote"))->text().contains(QStringLiteral("No Shadbala")));
    }
};

QTEST_MAIN(TestStrengthPage)
#include "tst_strengthpage.moc"
