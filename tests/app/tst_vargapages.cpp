// The sixteen vargas in the windows: the Vargas table against the kernel
// with vargottama marked, and the Charts tab's chooser (any varga or the
// Moon chart) with degrees on request.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include "app/QtText.h"
#include "app/vedic/ChartStyleView.h"
#include "app/vedic/ChartsPage.h"
#include "app/vedic/PointLabels.h"
#include "app/vedic/VargaTable.h"
#include "app/vedic/VedicPanel.h"
#include "engine/ChartVargas.h"
#include "engine/PositionText.h"
#include "engine/SignNames.h"
#include "presentation/VedicDetails.h"
#include "tests/app/VedicTestSupport.h"

using namespace zodiora;
using namespace zodiora::test;

class VargaPagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { FreshSettings(); }

    void vargaTableHoldsEverySignAndMarksVargottama()
    {
        VedicPanel panel;
        const ChartResult chart = Delhi1980Chart();
        panel.showChart(chart, VedicToday);
        QVERIFY(panel.pageTitles().contains(QStringLiteral("Vargas")));
        const auto* table = Child<QTableWidget>(panel, "vargaTable");
        QCOMPARE(table->rowCount(), PointCount);
        QCOMPARE(table->columnCount(), 17);
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("D1"));
        QCOMPARE(table->horizontalHeaderItem(16)->text(), QStringLiteral("D60"));
        const VargaSigns signs = VargaSignsOf(chart.chart);
        const int d30 = 1 + static_cast<int>(vedic::Varga::D30);
        for (const Body body : AllPoints) {
            const int row = static_cast<int>(IndexOf(body));
            QCOMPARE(table->item(row, d30)->text(),
                     ToQString(SignNames[static_cast<std::size_t>(signs.sign(body, vedic::Varga::D30))].substr(0, 3)));
            QCOMPARE(table->item(row, VargaTable::PointColumn)->text().endsWith(QStringLiteral("\u2605")),
                     signs.vargottama(body));
        }
        // Moon 28°01' Gemini: the last ninth of a dual sign, Navamsa Gemini again.
        const int moon = static_cast<int>(IndexOf(Body::Moon));
        QVERIFY(table->item(moon, VargaTable::PointColumn)->text().endsWith(QStringLiteral("\u2605")));
        QCOMPARE(table->item(moon, 1 + static_cast<int>(vedic::Varga::D9))->text(), QStringLiteral("Gem"));
        QVERIFY(Child<QLabel>(panel, "vargaTableVariant")->text().contains(QStringLiteral("Parashara")));
    }

    void chartsTabDrawsTheChosenVargaOrTheMoonChart()
    {
        ChartsPage page;
        const ChartResult chart = Delhi1980Chart();
        const VedicDetails details = BuildVedicDetails(chart.chart, UtcOffsetSeconds(chart.birth));
        page.showChart(chart, VedicContext{VedicToday, details});
        auto* chooser = Child<QComboBox>(page, "vargaChooser");
        QCOMPARE(chooser->count(), 17);
        const auto* chosen = Child<ChartStyleView>(page, "navamsaChartLarge");
        // The Navamsa unless another is chosen: the same signs as the Navamsa page.
        const ChartStyleInput navamsa = NavamsaChartInput(chart, details);
        QCOMPARE(chosen->input().labels, navamsa.labels);
        QCOMPARE(chosen->input().ascendantSign, navamsa.ascendantSign);

        page.chooseChart(static_cast<int>(vedic::Varga::D60));
        const VargaSigns signs = VargaSignsOf(chart.chart);
        QCOMPARE(chosen->input().ascendantSign, signs.sign(Body::Ascendant, vedic::Varga::D60));
        QCOMPARE(SignHolding(chosen->input(), QStringLiteral("Mo")), signs.sign(Body::Moon, vedic::Varga::D60));
        QVERIFY(Child<QLabel>(page, "chosenChartCaption")->text().contains(QStringLiteral("D60")));

        page.chooseChart(ChartsPage::MoonChartEntry);
        QCOMPARE(chosen->input().ascendantSign, 2);  // the Moon's Gemini rises
        QCOMPARE(chosen->input().risingLabel, QStringLiteral("Mo"));
        QCOMPARE(SignHolding(chosen->input(), QStringLiteral("Mo")), -1);
        QCOMPARE(SignHolding(chosen->input(), QStringLiteral("Asc")),
                 SignOf(chart.chart.longitude(Body::Ascendant)));

        // Degrees in the birth sign beside every point, in both drawings: Moon 28°01′.
        Child<QCheckBox>(page, "chartDegreesBox")->setChecked(true);
        const ChartStyleInput birth = Child<ChartStyleView>(page, "birthChart")->input();
        QCOMPARE(SignHolding(birth, QStringLiteral("Mo 28\u00b001\u2032")), 2);
        QCOMPARE(chosen->input().risingLabel, QStringLiteral("Mo"));
        page.showDegrees(false);
        QCOMPARE(SignHolding(Child<ChartStyleView>(page, "birthChart")->input(), QStringLiteral("Mo")), 2);
    }
};

QTEST_MAIN(VargaPagesTest)
#include "tst_vargapages.moc"
