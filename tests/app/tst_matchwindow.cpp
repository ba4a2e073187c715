// The Match window: two saved charts chosen, the eight kootas with their
// reasons and the total, both Kuja findings, each chart with its saved
// settings; the same chart twice or too few charts refused; the page
// exported; and "Match Charts…" in the File menu opening it.
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <memory>

#include "presentation/ChartSession.h"

#include "app/BirthFormWindow.h"
#include "app/PageOutput.h"
#include "app/match/MatchPage.h"
#include "app/match/MatchWindow.h"
#include "tests/app/LibraryFixture.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

Chart Charted(const BirthFormInput& form, const CalculationSettings& settings = {})
{
    ChartSession session;
    session.setSettings(settings);
    return session.run(form, ChartSession::ReportMode::Skip).chart;
}

std::int64_t Save(LibraryFixture& fixture, const BirthFormInput& form, const std::string& settings = {})
{
    SavedChart chart;
    chart.form = form;
    chart.settings = settings;
    return fixture.library().save(chart).value();
}

}  // namespace

class MatchWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        fixture_ = std::make_unique<LibraryFixture>();
        platform_ = RecordingPlatform();
    }
    void cleanup() { fixture_.reset(); }

    void showsTheKootasOfTheTwoChosenCharts()
    {
        Save(*fixture_, Delhi1980Form());
        Save(*fixture_, Mumbai1975());  // newest: listed first
        MatchWindow window(fixture_->library(), platform_);
        auto* boy = Child<QComboBox>(window, "boyChart");
        auto* girl = Child<QComboBox>(window, "girlChart");
        QCOMPARE(boy->count(), 2);
        QVERIFY(boy->currentText().startsWith(QStringLiteral("RAVI")));
        QVERIFY(girl->currentText().startsWith(QStringLiteral("ASHA")));
        QVERIFY(window.match().has_value());

        const ChartMatch expected = MatchCharts(Charted(Mumbai1975()), Charted(Delhi1980Form()));
        QCOMPARE(window.match()->kootas.total(), expected.kootas.total());
        auto* table = Child<QTreeWidget>(window, "kootaTable");
        QCOMPARE(table->topLevelItemCount(), 8);
        const QStringList names{"Varna", "Vashya", "Tara", "Yoni", "Graha Maitri", "Gana", "Bhakoot", "Nadi"};
        for (int row = 0; row < 8; ++row) {
            const QTreeWidgetItem* item = table->topLevelItem(row);
            QCOMPARE(item->text(0), names[row]);
            const auto& score = expected.kootas.scores[static_cast<std::size_t>(row)];
            QCOMPARE(item->text(1), QStringLiteral("%1 of %2")
                                        .arg(QString::fromStdString(PointsText(score.points)))
                                        .arg(score.maximum));
            QCOMPARE(item->text(2), QString::fromStdString(KootaReason(expected.kootas, score.koota)));
        }
        QCOMPARE(Child<QLabel>(window, "totalLabel")->text(),
                 QStringLiteral("Total: %1 of 36").arg(QString::fromStdString(PointsText(expected.kootas.total()))));
        QVERIFY(Child<QLabel>(window, "boyManglikLabel")->text().contains(
            QString::fromStdString(ManglikSummary(expected.boy))));
        QVERIFY(Child<QLabel>(window, "girlManglikLabel")->text().contains(
            QString::fromStdString(ManglikSummary(expected.girl))));
        QVERIFY(!Child<QLabel>(window, "cancellationsLabel")->text().isEmpty());
        QVERIFY(Child<QLabel>(window, "boyMoonLabel")->text().startsWith(QStringLiteral("Moon in ")));

        // Swapping the two follows the choosers.
        boy->setCurrentIndex(1);
        girl->setCurrentIndex(0);
        QCOMPARE(window.match()->kootas.total(),
                 MatchCharts(Charted(Delhi1980Form()), Charted(Mumbai1975())).kootas.total());
        QVERIFY(platform_.messages.isEmpty());
    }

    void eachChartKeepsItsSavedSettings()
    {
        Save(*fixture_, Delhi1980Form(), "ayanamsa=raman");
        Save(*fixture_, Mumbai1975());
        MatchWindow window(fixture_->library(), platform_);
        QVERIFY(window.girl().calculation.contains(QStringLiteral("Raman")));
        QVERIFY(window.boy().calculation.contains(QStringLiteral("Lahiri")));
        CalculationSettings raman;
        raman.ayanamsa = AyanamsaKind::Raman;
        QCOMPARE(window.match()->kootas.girl.longitude,
                 MatchCharts(Charted(Mumbai1975()), Charted(Delhi1980Form(), raman)).kootas.girl.longitude);
    }

    void theSameChartTwiceOrTooFewAreRefused()
    {
        Save(*fixture_, Delhi1980Form());
        {
            MatchWindow one(fixture_->library(), platform_);
            QVERIFY(!one.match());
            QVERIFY(Child<QLabel>(one, "statusLabel")->text().contains(QStringLiteral("at least two")));
            QVERIFY(!Child<QPushButton>(one, "exportButton")->isEnabled());
        }
        Save(*fixture_, Mumbai1975());
        MatchWindow window(fixture_->library(), platform_);
        QVERIFY(window.match());
        Child<QComboBox>(window, "girlChart")->setCurrentIndex(0);
        QVERIFY(!window.match());
        QCOMPARE(Child<QLabel>(window, "statusLabel")->text(), QStringLiteral("Choose two different charts."));
        QCOMPARE(Child<QTreeWidget>(window, "kootaTable")->topLevelItemCount(), 0);
        QVERIFY(!Child<QPushButton>(window, "printButton")->isEnabled());
    }

    void exportsThePage()
    {
        Save(*fixture_, Delhi1980Form());
        Save(*fixture_, Mumbai1975());
        MatchWindow window(fixture_->library(), platform_);
        QTemporaryDir dir;
        platform_.nextSavePath = dir.filePath(QStringLiteral("match.png"));
        Child<QPushButton>(window, "exportButton")->click();
        QCOMPARE(platform_.saveDialogTitles, QStringList{QStringLiteral("Export Match")});
        QImage image(platform_.nextSavePath);
        QCOMPARE(image.size(), QSize(PageOutput::PngWidth, PageOutput::PngHeight));
        // Ink in the top half (the table) and the lower half (Kuja dosha), none in the side margins.
        const auto inkIn = [&image](QRect area) {
            for (int y = area.top(); y <= area.bottom(); y += 4) {
                for (int x = area.left(); x <= area.right(); x += 4) {
                    if (image.pixelColor(x, y).lightness() < 128) return true;
                }
            }
            return false;
        };
        QVERIFY(inkIn(QRect(200, 300, 2000, 1200)));
        QVERIFY(inkIn(QRect(200, 1800, 2000, 900)));
        QVERIFY(!inkIn(QRect(0, 0, 150, PageOutput::PngHeight)));
        QVERIFY(!inkIn(QRect(PageOutput::PngWidth - 150, 0, 149, PageOutput::PngHeight)));

        platform_.nextSavePath = dir.filePath(QStringLiteral("match.pdf"));
        Child<QPushButton>(window, "exportButton")->click();
        QVERIFY(QFileInfo(platform_.nextSavePath).size() > 1000);
        platform_.nextSavePath = dir.filePath(QStringLiteral("match.txt"));
        Child<QPushButton>(window, "exportButton")->click();
        QCOMPARE(platform_.messages.size(), 1);
        QVERIFY(!QFileInfo::exists(platform_.nextSavePath));
    }

    void fileMenuOpensIt()
    {
        Save(*fixture_, Delhi1980Form());
        Save(*fixture_, Mumbai1975());
        BirthFormWindow form(platform_);
        Child<QAction>(form, "matchChartsAction")->trigger();
        auto* window = Child<MatchWindow>(form, "matchWindow");
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QVERIFY(window->match().has_value());
        window->close();
    }

private:
    std::unique_ptr<LibraryFixture> fixture_;
    RecordingPlatform platform_;
};

QTEST_MAIN(MatchWindowTest)
#include "tst_matchwindow.moc"
