// The results window opens on its form as before; the Vedic pages are one
// tab away, their tabs inside the title strip, and the form comes back.
// The panchang at birth sits under the form on the Summary page only.
#include <QLabel>
#include <QScrollArea>
#include <QTabBar>

#include "app/BirthFormWindow.h"
#include "app/ResultsWindow.h"
#include "app/vedic/DashaTree.h"
#include "app/vedic/PanchangBox.h"
#include "app/vedic/ResultsTabs.h"
#include "app/vedic/VedicPanel.h"
#include "tests/app/VedicTestSupport.h"

using namespace zodiora;
using namespace zodiora::test;

class ResultsTabsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { FreshSettings(); }

    void opensOnTheFormWithVedicTabsBeside()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        form.setInput(Delhi1980Form());
        form.proceed();
        ResultsWindow* results = form.resultsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(results));

        auto* tabs = Child<ResultsTabs>(*results, "resultsTabs");
        auto* scroll = Child<QScrollArea>(*results, "chartScroll");
        auto* summary = Child<QWidget>(*results, "summaryPage");
        QCOMPARE(tabs->currentPage(), summary);
        QVERIFY(Child<QWidget>(*results, "birthTimePanel")->isVisible());
        QVERIFY(scroll->isVisible());

        QTabBar* bar = tabs->tabBar();
        QCOMPARE(bar->count(), 9);
        QCOMPARE(bar->tabText(0), QStringLiteral("Summary"));
        QCOMPARE(bar->tabText(4), QStringLiteral("Dasha"));
        QCOMPARE(bar->tabText(5), QStringLiteral("KP"));
        QCOMPARE(bar->tabText(6), QStringLiteral("Vargas"));
        QCOMPARE(bar->tabText(7), QStringLiteral("Strength"));
        QCOMPARE(bar->tabText(8), QStringLiteral("Transits"));
        QCOMPARE(bar->currentIndex(), 0);
        // The tabs live in the title strip beside the title, taking no room from the form.
        const QWidget* strip = Child<QLabel>(*results, "titleLabel")->parentWidget();
        QCOMPARE(bar->parentWidget(), strip);
        QVERIFY(bar->isVisible());
        QVERIFY(strip->rect().contains(bar->geometry()));
        QVERIFY(!bar->geometry().intersects(Child<QLabel>(*results, "titleLabel")->geometry()));

        bar->setCurrentIndex(4);
        QCOMPARE(tabs->currentPage(), tabs->vedicPanel());
        QVERIFY(!scroll->isVisible());
        QVERIFY(Child<DashaTree>(*results, "dashaTree")->isVisible());
        QVERIFY(Child<DashaTree>(*results, "dashaTree")->currentMajor() != nullptr);  // today lies within the 120 years

        bar->setCurrentIndex(1);
        QVERIFY(!Child<DashaTree>(*results, "dashaTree")->isVisible());
        QVERIFY(Child<QWidget>(*results, "nakshatraTable")->isVisible());

        // The calculation line stays under every page.
        auto* line = Child<QLabel>(*results, "calculationLabel");
        QVERIFY(line->isVisible());
        QVERIFY(line->text().startsWith(QStringLiteral("Classic ephemeris (mean orbital elements)")));
        bar->setCurrentIndex(5);
        QVERIFY(Child<QWidget>(*results, "kpTable")->isVisible());
        QVERIFY(line->isVisible());

        bar->setCurrentIndex(0);
        QCOMPARE(tabs->currentPage(), summary);
        QVERIFY(line->isVisible());
        QVERIFY(scroll->isVisible());
    }

    void summaryShowsThePanchangUnderTheForm()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        form.setInput(Delhi1980Form());
        form.proceed();
        ResultsWindow* results = form.resultsWindow();
        results->resize(1200, 900);
        QVERIFY(QTest::qWaitForWindowExposed(results));
        auto* tabs = Child<ResultsTabs>(*results, "resultsTabs");
        auto* panchang = Child<PanchangBox>(*results, "panchangBox");
        QVERIFY(panchang->isVisible());
        QVERIFY(panchang->rowTexts().constFirst().contains(QStringLiteral("ends 1980-06-")));
        if (const QByteArray dir = qgetenv("ZODIORA_SHOT_DIR"); !dir.isEmpty()) {
            QVERIFY(results->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/summary.png")));
        }
        tabs->tabBar()->setCurrentIndex(8);
        QVERIFY(!panchang->isVisible());
        QVERIFY(Child<QWidget>(*results, "transitPage")->isVisible());
        if (const QByteArray dir = qgetenv("ZODIORA_SHOT_DIR"); !dir.isEmpty()) {
            QVERIFY(results->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/transits-tab.png")));
        }
        tabs->tabBar()->setCurrentIndex(0);
        QVERIFY(panchang->isVisible());
    }
};

QTEST_MAIN(ResultsTabsTest)
#include "tst_resultstabs.moc"
