// "Proceed" to the results window and back: the 15 June 1980 chart's
// labels, table, wheel and glyphs; Back keeping the input; a second chart
// with no trace of the first; the Pisces rotation; the button strip.
#include "birthdata/BirthDataInput.h"
#include "engine/Engine.h"
#include "presentation/ChartSession.h"
#include "retrogrades/Retrogrades.h"

#include <QComboBox>
#include <QTextEdit>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QTabBar>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>

#include "app/AppConfig.h"
#include "app/QtText.h"
#include "zodiora/Version.h"
#include "app/BirthFormWindow.h"
#include "app/ChartView.h"
#include "app/CrLfText.h"
#include "app/LinkLabel.h"
#include "app/NatalWheel.h"
#include "app/ResultsWindow.h"
#include "app/RichTextSink.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/ReportSamples.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

/// What the retrograde step calls Venus on the form's birth date: "Venus",
/// or "Venus (R) " once the station tables know that day.
QString VenusNameFor(const BirthFormWindow& form)
{
    BirthData birth;
    ReadBirthData(form.input(), birth);
    return QString::fromStdString(PlanetDisplayNames(RetrogradesOf(birth))[3]);
}

QString Shown(const QObject& window, const QString& name)
{
    return window.findChild<QLabel*>(name)->text();
}

/// The results window of `form` after Proceed with `input`.
ResultsWindow* Proceed(BirthFormWindow& form, const BirthFormInput& input)
{
    form.setInput(input);
    form.proceed();
    return form.resultsWindow();
}

}  // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void chartOf15June1980()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        form.show();
        form.setInput(Delhi1980Form());
        QTest::mouseClick(Child<QPushButton>(form, "proceedButton"), Qt::LeftButton);
        QVERIFY(platform.messages.isEmpty());

        ResultsWindow* results = form.resultsWindow();
        QVERIFY(results != nullptr);
        QVERIFY(results->isVisible());
        QVERIFY(results->windowState() & Qt::WindowMaximized);
        QVERIFY(!form.isVisible());
        QCOMPARE(results->windowTitle(), ToQString(ProgramTitle));
        QCOMPARE(Shown(*results, "titleLabel"), QStringLiteral("Zodiora"));
        QVERIFY(Child<QLabel>(*results, "titleLabel")->font().bold());
        QVERIFY(Child<LinkLabel>(*results, "banner")->font().bold());
        QCOMPARE(Child<LinkLabel>(*results, "banner")->cursor().shape(), Qt::PointingHandCursor);

        const std::pair<const char*, const char*> labels[] = {
            {"sunSignLabel", "Gemini"},          {"ascendantLabel", "Gemini (Mithuna)"},
            {"moonSignLabel", "Gemini (Mithuna)"}, {"nameLabel", "ASHA"},
            {"birthDateLabel", "June/15/1980"},  {"birthTimeLabel", "6:30"},
            {"latitudeLabel", "28° 37' N"},      {"longitudeLabel", "77° 13' E"},
            {"cityLabel", "New Delhi"},          {"stateLabel", "Delhi"},
            {"countryLabel", "India"}};
        for (const auto& [name, text] : labels) {
            QCOMPARE(Shown(*results, name), QString::fromUtf8(text));
        }
        QVERIFY(Child<QLabel>(*results, "birthDateLabel")->font().bold());
        QVERIFY(Child<QLabel>(*results, "nameLabel")->font().bold());

        const QStringList table{"00 Gem 30", "28 Gem 01", "24 Gem 58", "00 Gem 56", "22 Leo 58", "10 Leo 08",
                                "27 Leo 06", "28 Lib 44", "27 Sco 39", "25 Vir 27", "14 Gem 51"};
        const QStringList bodies{"Sun",     "Moon",   "Mercury", "Venus", "Mars", "Jupiter",
                                 "Saturn",  "Uranus", "Neptune", "Pluto", "Asc"};
        for (int k = 0; k < 11; ++k) {
            QCOMPARE(Shown(*results, QStringLiteral("positionLabel%1").arg(k)), table[k]);
            QCOMPARE(Shown(*results, QStringLiteral("bodyNameLabel%1").arg(k)), bodies[k]);
        }

        const QString venus = VenusNameFor(form);
        QVERIFY2(venus == QStringLiteral("Venus") || venus == QStringLiteral("Venus (R) "), qPrintable(venus));
        const NatalWheel* wheel = results->findChild<NatalWheel*>();
        QCOMPARE(wheel->houseText(0), CrLf + "Sun" + CrLf + "Moon" + CrLf + "Mercury" + CrLf + venus + CrLf + "Asc");
        QCOMPARE(wheel->houseText(1), QString());
        QCOMPARE(wheel->houseText(2), CrLf + "Mars" + CrLf + "Jupiter" + CrLf + "Saturn");
        for (int k = 3; k < 12; ++k) {
            QCOMPARE(wheel->houseText(k), QString());
        }
        const std::array<int, 12> glyphs{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2};
        for (int k = 0; k < 12; ++k) {
            QCOMPARE(wheel->glyphAt(k), glyphs[static_cast<std::size_t>(k)]);
        }
        QVERIFY(Child<QTextEdit>(*results, "reportBox")->isReadOnly());
    }

    void backKeepsEveryFieldAndTheNextChartStartsClean()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        form.show();
        BirthFormInput entry = Delhi1980Form();
        entry.name = "ASHA RANI  ";
        entry.south = true;
        entry.east = false;
        entry.daylightSaving = true;
        entry.city = "Somewhere ";
        Child<QComboBox>(form, "secondBox")->setCurrentText(QStringLiteral("42"));

        QPointer<ResultsWindow> first = Proceed(form, entry);
        QVERIFY(first);
        QCOMPARE(Shown(*first, "latitudeLabel"), QStringLiteral("28° 37' S"));
        QCOMPARE(Shown(*first, "longitudeLabel"), QStringLiteral("77° 13' W"));
        QCOMPARE(Shown(*first, "nameLabel"), QStringLiteral("ASHA RANI  "));
        const QString firstAscendant = Shown(*first, "positionLabel10");

        QSignalSpy exits(&form, &BirthFormWindow::exitRequested);
        QTest::mouseClick(Child<QPushButton>(*first, "backButton"), Qt::LeftButton);
        DropDeletedWindows();
        QVERIFY(first.isNull());
        QVERIFY(form.isVisible());
        QCOMPARE(exits.size(), 0);

        // Every control as it was left, seconds included.
        ExpectSameInput(form.input(), entry);
        QCOMPARE(Child<QComboBox>(form, "secondBox")->currentText(), QStringLiteral("42"));

        // Change only the hour: a new window with the new chart and nothing of the old.
        entry.hour = 8;
        ResultsWindow* second = Proceed(form, entry);
        QVERIFY(second != nullptr);
        QCOMPARE(Shown(*second, "birthTimeLabel"), QStringLiteral("8:30"));
        QVERIFY(Shown(*second, "positionLabel10") != firstAscendant);
        for (int k = 0; k < 12; ++k) {
            QCOMPARE(second->findChild<NatalWheel*>()->houseText(k).count(QStringLiteral("Asc")), k == 0 ? 1 : 0);
        }

        // The report box holds one chart's report, exactly as composed on an empty box.
        QTextEdit fresh;
        RichTextSink sink(fresh);
        ChartSession session;
        WriteReport(session.run(form.input()).report, sink);
        QCOMPARE(second->reportText(), PlainTextWithCrLf(fresh));
    }

    void piscesAscendantStartsTheWheelAtPisces()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        BirthFormInput entry = Delhi1980Form();
        entry.hour = 1;  // 01:30 IST: 21 Pis 17 rising over Delhi
        const ResultsWindow* results = Proceed(form, entry);
        QCOMPARE(Shown(*results, "ascendantLabel"), QStringLiteral("Pisces (Meena)"));
        QCOMPARE(Shown(*results, "positionLabel10").mid(3, 3), QStringLiteral("Pis"));
        const NatalWheel* wheel = results->findChild<NatalWheel*>();
        QCOMPARE(wheel->houseText(0), CrLf + "Asc");
        QCOMPARE(wheel->houseText(1), QString());                     // Aries
        QVERIFY(wheel->houseText(3).startsWith(CrLf + "Sun" + CrLf));  // Gemini, fourth from Pisces
        QCOMPARE(wheel->houseText(11), QString());                    // Aquarius
        QCOMPARE(wheel->glyphAt(0), 12);
        QCOMPARE(wheel->glyphAt(1), 1);
        QCOMPARE(wheel->glyphAt(11), 11);
    }

    void dateOfBirthStaysOnOneLine()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        for (const auto& [month, day] : {std::pair{11, 31}, std::pair{8, 30}}) {  // December, September
            BirthFormInput entry = Delhi1980Form();
            entry.monthIndex = month;
            entry.day = day;
            entry.year = 2050;
            ResultsWindow* results = Proceed(form, entry);
            results->resize(1280, 800);
            QApplication::processEvents();
            const QLabel* date = results->findChild<QLabel*>(QStringLiteral("birthDateLabel"));
            const QFontMetrics metrics(date->font());
            QVERIFY2(date->height() < 2 * metrics.lineSpacing(), qPrintable(date->text()));
            QVERIFY2(date->contentsRect().width() >= metrics.horizontalAdvance(date->text()), qPrintable(date->text()));
            form.showFormAgain();
            DropDeletedWindows();
        }
    }

    void buttonStripKeepsItsDistancesFromTheRightEdge()
    {
        RecordingPlatform platform;
        ResultsWindow results(platform);
        QPushButton* print = Child<QPushButton>(results, "printButton");
        QPushButton* back = Child<QPushButton>(results, "backButton");
        QPushButton* exit = Child<QPushButton>(results, "exitButton");
        QCOMPARE(print->text(), QStringLiteral("&Print"));
        QCOMPARE(back->text(), QStringLiteral("&Back"));
        QCOMPARE(exit->text(), QStringLiteral("&Exit"));
        results.show();
        QVERIFY(QTest::qWaitForWindowExposed(&results));
        const double twip = results.logicalDpiX() / 1440.0;
        for (const int width : {900, 1333, 1600}) {
            results.resize(width, 700);
            QCoreApplication::processEvents();
            QCOMPARE(results.width(), width);
            auto gapToRight = [&](QPushButton* b) {
                return results.width() - (b->mapTo(&results, QPoint(0, 0)).x() + b->width());
            };
            QVERIFY(std::abs(gapToRight(exit) - 160 * twip) <= 0.5);
            QVERIFY(std::abs(gapToRight(back) - 1400 * twip) <= 0.5);
            QCOMPARE(print->width(), back->width());
            QVERIFY(std::abs(gapToRight(print) - 2600 * twip) <= 1.0);
            // Print, Back, Exit from left to right, not touching.
            QVERIFY(print->geometry().right() < back->geometry().left());
            QVERIFY(back->geometry().right() < exit->geometry().left());
        }
    }

    void tallWindowGivesTheExtraHeightToTheResultsForm()
    {
        RecordingPlatform platform;
        ResultsWindow results(platform);
        results.show();
        QVERIFY(QTest::qWaitForWindowExposed(&results));
        const ChartView* view = results.findChild<ChartView*>();
        const QTextEdit* report = Child<QTextEdit>(results, "reportBox");
        const QSize designed = view->sizeHint().expandedTo(view->minimumSize());
        results.resize(1400, designed.height() + 600);
        QCoreApplication::processEvents();
        QCOMPARE(view->width(), designed.width());
        QVERIFY2(view->height() > designed.height() + 300,
                 qPrintable(QStringLiteral("form height %1, designed %2").arg(view->height()).arg(designed.height())));
        const int reportHeight = report->height();
        results.resize(1400, 500);  // smaller than the form: it keeps its size and scrolls
        QCoreApplication::processEvents();
        QCOMPARE(view->height(), designed.height());
        QVERIFY(report->height() < reportHeight);
    }

    void menusAndExitsOfTheResultsWindow()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        QPointer<ResultsWindow> results = Proceed(form, Delhi1980Form());
        QMenuBar* bar = results->menuBar();
        QCOMPARE(bar->actions().size(), 3);
        QCOMPARE(bar->actions().at(0)->text(), QStringLiteral("&File"));
        QCOMPARE(Captions(bar->actions().at(0)->menu()),
                 (QStringList{"&Save Chart", "&Open Chart…", "Open &Recent", "&Match Charts…", "-", "&Export Chart…", "&Print Chart…", "Chart Page &Shows", "-",
                              "&Back", "E&xit"}));
        QCOMPARE(bar->actions().at(1)->text(), QStringLiteral("&Language"));
        QCOMPARE(bar->actions().at(2)->text(), QStringLiteral("&Help"));
        QCOMPARE(Captions(bar->actions().at(2)->menu()),
                 (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                              "&About Software"}));

        // File > Back behaves as the button.
        Child<QAction>(*results, "backAction")->trigger();
        DropDeletedWindows();
        QVERIFY(results.isNull());
        QVERIFY(form.isVisible());

        // The close box of the results window ends the program.
        form.proceed();
        results = form.resultsWindow();
        QSignalSpy exits(&form, &BirthFormWindow::exitRequested);
        QVERIFY(results->close());
        DropDeletedWindows();
        QCOMPARE(exits.size(), 1);
        QVERIFY(results.isNull());
        QVERIFY(!form.isVisible());
    }

    void tabReachesTheTabBarFirstAndControlKeysSwitchPages()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ResultsWindow* results = Proceed(form, Delhi1980Form());
        ShowActive(*results);
        auto* tabs = Child<QTabBar>(*results, "resultsTabBar");
        // The keyboard starts at the tabs; every stop after them is a control
        // that shows the focus, and the round comes back to the tabs.
        QCOMPARE(results->focusWidget(), static_cast<QWidget*>(tabs));
        QStringList stops;
        for (int k = 0; k < 8; ++k) {
            QTest::keyClick(results->focusWidget(), Qt::Key_Tab);
            stops << results->focusWidget()->objectName();
        }
        // The margins table takes one stop: Tab does not walk its cells.
        QCOMPARE(stops, (QStringList{"reportBox", "analysisLink", "uncertaintyField", "marginsTable", "printButton",
                                     "backButton", "exitButton", "resultsTabBar"}));
        // The link, a label, draws its focus itself.
        auto* link = Child<QLabel>(*results, "analysisLink");
        const QImage unfocused = link->grab().toImage();
        link->setFocus(Qt::TabFocusReason);
        QVERIFY(link->grab().toImage() != unfocused);

        // From wherever the focus is, the report's text box included.
        Child<QWidget>(*results, "reportBox")->setFocus(Qt::TabFocusReason);
        const auto press = [results](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(results->focusWidget() ? results->focusWidget() : results, key, modifiers);
        };
        QCOMPARE(tabs->currentIndex(), 0);
        press(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 1);
        press(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 2);
        press(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 1);
        press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(tabs->currentIndex(), 0);
        press(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), tabs->count() - 1);
    }

    void exitButtonEndsTheProgram()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        QPointer<ResultsWindow> results = Proceed(form, Delhi1980Form());
        QSignalSpy exits(&form, &BirthFormWindow::exitRequested);
        QTest::mouseClick(Child<QPushButton>(*results, "exitButton"), Qt::LeftButton);
        DropDeletedWindows();
        QCOMPARE(exits.size(), 1);
        QVERIFY(results.isNull());
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(ResultsWindowTest)
#include "tst_resultswindow.moc"
