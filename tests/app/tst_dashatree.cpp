// The Dasha page below the antardashas: sub-periods made when a period
// opens, the running periods marked down to the prana dasha, and the date
// field moving the marks.
#include <QDateEdit>
#include <QLabel>
#include <QTreeWidget>
#include <QtTest>

#include "app/vedic/DashaTree.h"
#include "presentation/VedicDetails.h"
#include "tests/app/VedicTestSupport.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

// 2030-01-01, as zodiora-chart --dasha-at gives it for this chart:
// Venus, Venus, Venus, Mars, Saturn.
const QDate NewYear2030(2030, 1, 1);

void Show(DashaTree& page, const ChartResult& chart, const QDate& day)
{
    const VedicDetails details = BuildVedicDetails(chart.chart, UtcOffsetSeconds(chart.birth));
    page.showChart(chart, VedicContext{day, details});
}

QStringList Lords(const QList<QTreeWidgetItem*>& items)
{
    QStringList lords;
    for (const QTreeWidgetItem* item : items) lords << item->text(DashaTree::Lord);
    return lords;
}

}  // namespace

class DashaTreeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { FreshSettings(); }

    void anAntardashaOpensToItsPratyantardashas()
    {
        DashaTree page;
        Show(page, Delhi1980Chart(), NewYear2030);
        auto* tree = Child<QTreeWidget>(page, "dashaPeriods");
        QTreeWidgetItem* antar = tree->topLevelItem(2)->child(3);  // a whole one, far from birth
        QCOMPARE(antar->childCount(), 0);
        QCOMPARE(antar->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
        antar->setExpanded(true);
        QCOMPARE(antar->childCount(), 9);
        // From the antardasha's own lord, tiling it date for date.
        QCOMPARE(antar->child(0)->text(DashaTree::Lord), antar->text(DashaTree::Lord));
        QCOMPARE(antar->child(0)->text(DashaTree::Start), antar->text(DashaTree::Start));
        QCOMPARE(antar->child(8)->text(DashaTree::End), antar->text(DashaTree::End));
        // Down to the fifth level and no further.
        QTreeWidgetItem* deepest = antar->child(0);
        for (int level = 4; level <= 5; ++level) {
            deepest->setExpanded(true);
            QCOMPARE(deepest->childCount(), 9);
            deepest = deepest->child(0);
        }
        QVERIFY(deepest->childIndicatorPolicy() != QTreeWidgetItem::ShowIndicator);
        deepest->setExpanded(true);
        QCOMPARE(deepest->childCount(), 0);
        QCOMPARE(deepest->toolTip(DashaTree::Lord), DashaTree::levelName(5));
    }

    void runningPeriodsMarkedDownToPranaOnDemand()
    {
        DashaTree page;
        Show(page, Delhi1980Chart(), NewYear2030);
        QCOMPARE(Lords(page.runningItems()), (QStringList{"Venus", "Venus"}));
        page.openRunningTo(5);
        const QList<QTreeWidgetItem*> running = page.runningItems();
        QCOMPARE(Lords(running), (QStringList{"Venus", "Venus", "Venus", "Mars", "Saturn"}));
        for (int k = 1; k < running.size(); ++k) QCOMPARE(running[k]->parent(), running[k - 1]);
        const QColor highlight = running.constLast()->treeWidget()->palette().color(QPalette::Highlight);
        QCOMPARE(running.constLast()->background(DashaTree::Start).color(), highlight);
        QVERIFY(Child<QLabel>(page, "dashaRunningLabel")->text().contains(QStringLiteral("Venus \u2013 Venus \u2013 Venus \u2013 Mars \u2013 Saturn")));
    }

    void theDateFieldMovesTheMarks()
    {
        DashaTree page;
        Show(page, Delhi1980Chart(), NewYear2030);
        page.openRunningTo(3);
        auto* field = Child<QDateEdit>(page, "dashaDayField");
        QCOMPARE(field->date(), NewYear2030);
        field->setDate(QDate(2027, 3, 1));  // Ketu - Jupiter, worked by hand in tst_vedicpanel
        QCOMPARE(Lords(page.runningItems()).mid(0, 2), (QStringList{"Ketu", "Jupiter"}));
        // The old marks are gone: only the new path is highlighted.
        auto* tree = Child<QTreeWidget>(page, "dashaPeriods");
        int marked = 0;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if ((*it)->background(DashaTree::Lord).style() != Qt::NoBrush) ++marked;
        }
        QCOMPARE(marked, int(page.runningItems().size()));
        field->setDate(QDate(1970, 1, 1));
        QVERIFY(page.runningItems().isEmpty());
        QVERIFY(Child<QLabel>(page, "dashaRunningLabel")->text().contains(QStringLiteral("before birth")));
    }
};

QTEST_MAIN(DashaTreeTest)
#include "tst_dashatree.moc"
