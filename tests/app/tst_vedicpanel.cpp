// The Vedic pages of the 15 June 1980 chart: the Moon's nakshatra, pada,
// lord and Navamsa; the nodes opposite each other in the table and the
// drawings; the periods from birth with today's highlighted; the chart
// style remembered from one window to the next.
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTreeWidget>

#include "app/QtText.h"
#include "app/vedic/ChartStyleView.h"
#include "app/vedic/DashaTree.h"
#include "app/vedic/KpTable.h"
#include "vedic/KpLords.h"
#include "app/vedic/NakshatraTable.h"
#include "app/vedic/PointLabels.h"
#include "app/vedic/VedicPanel.h"
#include "engine/PositionText.h"
#include "presentation/VedicDetails.h"
#include "tests/app/VedicTestSupport.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

QString Cell(const QTableWidget* table, Body body, int column)
{
    return table->item(static_cast<int>(IndexOf(body)), column)->text();
}

/// The sign index named by a position text such as `28° 1' 12" Gem`.
int SignIn(const QString& position)
{
    return static_cast<int>(SignAbbreviations.find(position.right(3).toStdString()) / 3);
}

}  // namespace

class VedicPanelTest : public QObject {
    Q_OBJECT

private slots:
    void init() { FreshSettings(); }

    void moonOf1980InPunarvasuThirdPada()
    {
        VedicPanel panel;
        panel.showChart(Delhi1980Chart(), VedicToday);
        const auto* table = Child<NakshatraTable>(panel, "nakshatraTable");
        QCOMPARE(table->rowCount(), PointCount);
        QVERIFY(Cell(table, Body::Moon, NakshatraTable::Position).startsWith(QStringLiteral("28° 1' ")));
        QCOMPARE(Cell(table, Body::Moon, NakshatraTable::Nakshatra), QStringLiteral("Punarvasu"));
        QCOMPARE(Cell(table, Body::Moon, NakshatraTable::Pada), QStringLiteral("3"));
        QCOMPARE(Cell(table, Body::Moon, NakshatraTable::Lord), QStringLiteral("Jupiter"));
        QCOMPARE(Cell(table, Body::Moon, NakshatraTable::Navamsa), QStringLiteral("Gemini"));
        QCOMPARE(Cell(table, Body::Ascendant, NakshatraTable::Point), QStringLiteral("Asc"));
        QVERIFY(Child<QLabel>(panel, "ephemerisLabel")->text().contains(QStringLiteral("Classic")));
    }

    void nodesOppositeInTableAndDrawings()
    {
        const ChartResult chart = Delhi1980Chart();
        VedicPanel panel;
        panel.showChart(chart, VedicToday);
        const auto* table = Child<NakshatraTable>(panel, "nakshatraTable");
        QCOMPARE(Cell(table, Body::Rahu, NakshatraTable::Point), QStringLiteral("Rahu"));
        QCOMPARE(Cell(table, Body::Ketu, NakshatraTable::Point), QStringLiteral("Ketu"));
        const int rahu = SignIn(Cell(table, Body::Rahu, NakshatraTable::Position));
        const int ketu = SignIn(Cell(table, Body::Ketu, NakshatraTable::Position));
        QVERIFY(rahu >= 0 && rahu < 12);
        QCOMPARE(ketu, (rahu + 6) % 12);
        // Opposite points stand at the same degree and minute of their signs.
        QCOMPARE(Cell(table, Body::Rahu, NakshatraTable::Position).chopped(4),
                 Cell(table, Body::Ketu, NakshatraTable::Position).chopped(4));

        const ChartStyleInput birth = BirthChartInput(chart);
        QCOMPARE(SignHolding(birth, QStringLiteral("Ra")), rahu);
        QCOMPARE(SignHolding(birth, QStringLiteral("Ke")), ketu);
        QCOMPARE(birth.ascendantSign, 2);  // Gemini rising
        QCOMPARE(SignHolding(birth, QStringLiteral("Ve (R)")), 2);
        QCOMPARE(SignHolding(birth, QStringLiteral("Mo")), 2);
        int placed = 0;
        for (const QStringList& labels : birth.labels) {
            placed += int(labels.size());
        }
        QCOMPARE(placed, PointCount - 1);  // every point but the Ascendant, which the drawing marks itself

        const ChartStyleInput navamsa = NavamsaChartInput(chart, BuildVedicDetails(chart.chart, UtcOffsetSeconds(chart.birth)));
        QCOMPARE(SignHolding(navamsa, QStringLiteral("Mo")), 2);  // Navamsa Gemini
        QCOMPARE(SignHolding(navamsa, QStringLiteral("Ke")), (SignHolding(navamsa, QStringLiteral("Ra")) + 6) % 12);
    }

    void dashaStartsAtBirthAndMarksToday()
    {
        VedicPanel panel;
        panel.showChart(Delhi1980Chart(), VedicToday);
        panel.setPage(int(panel.pageTitles().indexOf(QStringLiteral("Dasha"))));
        panel.resize(900, 500);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));

        const auto* tree = Child<QTreeWidget>(panel, "dashaPeriods");
        QCOMPARE(tree->topLevelItemCount(), 10);  // 120 years from a part period: nine and the first again
        const QTreeWidgetItem* first = tree->topLevelItem(0);
        QCOMPARE(first->text(DashaTree::Lord), QStringLiteral("Jupiter"));
        QCOMPARE(first->text(DashaTree::Start), QStringLiteral("1980-06-15"));
        // 9.62 of Jupiter's 16 years had run, within its Venus sub-period
        // (7.87 - 10.53): Venus's rest, then Sun, Moon, Mars and Rahu.
        QCOMPARE(first->childCount(), 5);
        QCOMPARE(first->child(0)->text(DashaTree::Lord), QStringLiteral("Venus"));
        QCOMPARE(first->child(0)->text(DashaTree::Start), QStringLiteral("1980-06-15"));
        QCOMPARE(tree->topLevelItem(1)->childCount(), 9);
        QCOMPARE(tree->topLevelItem(1)->text(DashaTree::Start), first->text(DashaTree::End));
        QVERIFY(Child<QLabel>(panel, "dashaBalanceLabel")->text().contains(QStringLiteral("Jupiter period at birth: 6 years")));

        const auto* dasha = Child<DashaTree>(panel, "dashaTree");
        QTreeWidgetItem* major = dasha->currentMajor();
        QTreeWidgetItem* sub = dasha->currentSub();
        QVERIFY(major != nullptr && sub != nullptr);
        QCOMPARE(major->text(DashaTree::Lord), QStringLiteral("Ketu"));
        QCOMPARE(sub->text(DashaTree::Lord), QStringLiteral("Jupiter"));
        QCOMPARE(sub->parent(), major);
        QVERIFY(major->isExpanded());
        const QColor highlight = tree->palette().color(QPalette::Highlight);
        QCOMPARE(sub->background(DashaTree::Start).color(), highlight);
        QCOMPARE(major->background(DashaTree::Lord).color(), highlight);
        QCOMPARE(tree->topLevelItem(0)->background(DashaTree::Lord).style(), Qt::NoBrush);
        QCOMPARE(major->child(0)->background(DashaTree::Lord).style(), Qt::NoBrush);
        QVERIFY(tree->viewport()->rect().contains(tree->visualItemRect(sub)));
    }

    void noPeriodMarkedOutsideTheHundredTwentyYears()
    {
        VedicPanel panel;
        panel.showChart(Delhi1980Chart(), QDate(2150, 1, 1));
        const auto* dasha = Child<DashaTree>(panel, "dashaTree");
        QCOMPARE(dasha->currentMajor(), nullptr);
        QCOMPARE(dasha->currentSub(), nullptr);
    }

    void kpPageListsTheLordsOfEveryPoint()
    {
        VedicPanel panel;
        const ChartResult chart = Delhi1980Chart();
        panel.showChart(chart, VedicToday);
        QVERIFY(panel.pageTitles().contains(QStringLiteral("KP")));
        QCOMPARE(panel.pageTitles().constLast(), QStringLiteral("Transits"));
        const auto* table = Child<KpTable>(panel, "kpTable");
        QCOMPARE(table->rowCount(), PointCount);
        // Moon 28 Gem 01: Punarvasu (Jupiter); the table agrees with the kernel.
        const int moon = int(IndexOf(Body::Moon));
        QCOMPARE(table->item(moon, KpTable::StarLord)->text(), QStringLiteral("Jupiter"));
        const vedic::KpLords lords = vedic::KpLordsOf(chart.chart.longitude(Body::Moon));
        QCOMPARE(table->item(moon, KpTable::SubLord)->text(), ToQString(vedic::DashaLordName(lords.sub)));
        QCOMPARE(table->item(moon, KpTable::SubSubLord)->text(), ToQString(vedic::DashaLordName(lords.subSub)));
        QCOMPARE(table->item(int(IndexOf(Body::Ketu)), KpTable::Point)->text(), QStringLiteral("Ketu"));
    }

    void headerNamesTheAyanamsaOfTheChart()
    {
        ChartSession session;
        session.setSettings({Ephemeris::Classic, AyanamsaKind::FaganBradley, NodeKind::Mean, DashaYear::Julian});
        VedicPanel panel;
        panel.showChart(session.run(Delhi1980Form(), ChartSession::ReportMode::Skip), VedicToday);
        QCOMPARE(Child<QLabel>(panel, "ephemerisLabel")->text(),
                 QStringLiteral("Ephemeris: Classic (mean orbital elements, Fagan-Bradley ayanamsa)"));
    }

    void chartStyleRememberedForTheNextWindow()
    {
        {
            VedicPanel first;
            for (const char* name : {"birthChart", "navamsaChartLarge", "navamsaChart"}) {
                QCOMPARE(Child<ChartStyleView>(first, name)->chartStyle(), ChartStyle::Wheel);
            }
            auto* box = Child<QComboBox>(first, "chartStyleBox");
            box->setCurrentIndex(2);
            emit box->activated(2);
            QCOMPARE(Child<ChartStyleView>(first, "navamsaChart")->chartStyle(), ChartStyle::SouthIndian);
        }
        VedicPanel second;
        QCOMPARE(Child<QComboBox>(second, "chartStyleBox")->currentIndex(), 2);
        for (const char* name : {"birthChart", "navamsaChartLarge", "navamsaChart"}) {
            QCOMPARE(Child<ChartStyleView>(second, name)->chartStyle(), ChartStyle::SouthIndian);
        }
        QCOMPARE(VedicSettings::chartStyle(), ChartStyle::SouthIndian);
    }
};

QTEST_MAIN(VedicPanelTest)
#include "tst_vedicpanel.moc"
