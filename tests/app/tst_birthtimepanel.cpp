// The Summary tab's birth-time panel: a row per fact, narrow facts
// highlighted and named as the ± minutes change, and the stated
// uncertainty carried back to the form for saving.
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>

#include "app/BirthFormWindow.h"
#include "app/BirthTimePanel.h"
#include "app/NatalWheel.h"
#include "app/ResultsWindow.h"
#include "app/vedic/ChartStyleView.h"
#include "tests/app/VedicTestSupport.h"

using namespace zodiora;
using namespace zodiora::test;

class BirthTimePanelTest : public QObject {
    Q_OBJECT

private slots:
    void init() { FreshSettings(); }

    void narrowFactsFollowTheStatedUncertainty()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        form.setInput(Delhi1980Form());
        form.proceed();
        ResultsWindow* results = form.resultsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(results));
        BirthTimePanel* panel = results->birthTimePanel();
        auto* table = Child<QTableWidget>(*results, "marginsTable");
        QCOMPARE(table->rowCount(), 20);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Lagna sign"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Gemini"));  // Asc 14 Gem 51
        QCOMPARE(panel->uncertaintyMinutes(), 5);

        auto* field = Child<QSpinBox>(*results, "uncertaintyField");
        field->setValue(0);
        QVERIFY(panel->narrowFacts().isEmpty());
        QVERIFY(panel->reportNote().isEmpty());
        QCOMPARE(table->item(0, 0)->background(), QBrush());

        // A day either way: every Lagna fact changes within it.
        field->setValue(1440);
        const QStringList narrow = panel->narrowFacts();
        QVERIFY(narrow.size() >= 17);
        QVERIFY(narrow.first().startsWith(QStringLiteral("Lagna sign changes ")));
        QVERIFY(table->item(0, 0)->background() != QBrush());
        QVERIFY(Child<QLabel>(*results, "narrowFactsLabel")->text().contains(QStringLiteral("Navamsa Lagna")));
        QCOMPARE(form.timeUncertainty(), 1440);  // kept for saving the chart

        // The Lagna and the Moon may change sign within a day: marked on the
        // wheel and on the Charts page, and unmarked again at 0.
        auto* wheel = results->findChild<NatalWheel*>();
        QVERIFY(wheel->houseText(0).contains(QStringLiteral("Asc ?")));
        auto* birthChart = Child<ChartStyleView>(*results, "birthChart");
        const int lagna = birthChart->input().ascendantSign;
        QVERIFY(birthChart->input().labels[static_cast<std::size_t>(lagna)].contains(QStringLiteral("As ?")));
        field->setValue(0);
        QVERIFY(!wheel->houseText(0).contains(QLatin1Char('?')));
        QVERIFY(!birthChart->input().labels[static_cast<std::size_t>(lagna)].contains(QStringLiteral("As ?")));
    }
};

QTEST_MAIN(BirthTimePanelTest)
#include "tst_birthtimepanel.moc"
