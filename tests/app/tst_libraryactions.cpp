// The library in the windows: save from the form, open from the dialog or
// the recent list (the form and the results show the saved chart again),
// later saves over the same chart, and a set-aside library reported once.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <sstream>
#include <variant>

#include "cli/ChartRequest.h"
#include "cli/PlaceChoice.h"
#include "presentation/ChartSession.h"

#include "app/BirthFormWindow.h"
#include "app/BirthTimePanel.h"
#include "app/ChartLibraryDialog.h"
#include "app/QtText.h"
#include "app/ResultsWindow.h"
#include "app/SaveChartDialog.h"
#include "app/vedic/VedicSettings.h"
#include "tests/app/LibraryFixture.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

/// Runs `answer` on the next modal dialog of type T once it is up.
template <typename T>
void WhenModal(std::function<void(T&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        answer(*dialog);
    });
}

void SaveWithNote(BirthFormWindow& form, const char* note)
{
    WhenModal<SaveChartDialog>([note](SaveChartDialog& dialog) {
        Child<QPlainTextEdit>(dialog, "noteEdit")->setPlainText(QString::fromUtf8(note));
        dialog.accept();
    });
    Child<QAction>(form, "saveChartAction")->trigger();
}

QStringList Positions(const ResultsWindow& results)
{
    QStringList texts;
    for (std::size_t k = 0; k < ChartPointCount; ++k) {
        texts << Child<QLabel>(results, qPrintable(QStringLiteral("positionLabel%1").arg(k)))->text();
    }
    return texts;
}

QStringList Positions(const BirthFormInput& input)
{
    const ChartResult chart = ChartSession().run(input, ChartSession::ReportMode::Skip);
    QStringList texts;
    for (const std::string& text : chart.display.positions) {
        texts << ToQString(text);
    }
    return texts;
}

// The shared partner birth, typed in lower case and with its state.
BirthFormInput Mumbai1975WithState()
{
    BirthFormInput input = Mumbai1975();
    input.name = "Ravi";
    input.state = "Maharashtra";
    return input;
}

/// A chart as `zodiora-chart --library add --place PLACE --date DATE --time TIME` saves it.
SavedChart ToolChart(const char* name, const char* place, const char* date, const char* time)
{
    cli::ChartArguments arguments;
    arguments.name = name;
    arguments.date = date;
    arguments.time = time;
    std::ostringstream said;
    const auto problem = cli::ApplyPlace(place, {}, arguments, said);
    if (problem) qFatal("%s", problem->c_str());
    auto parsed = cli::ParseChartRequest(arguments);
    if (auto* message = std::get_if<std::string>(&parsed)) qFatal("%s", message->c_str());
    const cli::ChartRequest& request = std::get<cli::ChartRequest>(parsed);
    SavedChart chart;
    chart.form = request.form;
    if (request.zone) chart.zoneId = request.zone->id;
    return chart;
}

/// Opens the chart called `name` from File › Open Recent.
void OpenRecent(BirthFormWindow& form, const std::string& name)
{
    auto* recent = Child<QMenu>(form, "recentChartsMenu");
    emit recent->aboutToShow();
    for (QAction* entry : recent->actions()) {
        if (entry->text().contains(ToQString(name))) entry->trigger();
    }
    QTRY_VERIFY(form.resultsWindow() != nullptr && form.input().name == name);
}

}  // namespace

class LibraryActionsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void savedChartOpensIntoTheFormAndTheResults()
    {
        LibraryFixture fixture;
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        QAction* save = Child<QAction>(form, "saveChartAction");
        QCOMPARE(save->shortcut(), QKeySequence(QKeySequence::Save));
        QCOMPARE(Child<QAction>(form, "openChartAction")->shortcut(), QKeySequence(QKeySequence::Open));

        form.setInput(Delhi1980Form());
        SaveWithNote(form, "from the form");
        const auto kept = fixture.library().findByName("ASHA").value();
        QVERIFY(kept.has_value());
        QCOMPARE(kept->note, std::string("from the form"));
        ExpectSameInput(kept->form, Delhi1980Form());

        form.setInput(Mumbai1975WithState());
        WhenModal<ChartLibraryDialog>([](ChartLibraryDialog& dialog) {
            auto* list = Child<QTreeWidget>(dialog, "chartList");
            QCOMPARE(list->topLevelItemCount(), 1);
            QTest::keyClick(list, Qt::Key_Return);
        });
        Child<QAction>(form, "openChartAction")->trigger();
        QTRY_VERIFY(form.resultsWindow() != nullptr);
        ExpectSameInput(form.input(), Delhi1980Form());
        QCOMPARE(Positions(*form.resultsWindow()), Positions(Delhi1980Form()));
        QVERIFY(platform.messages.isEmpty());
    }

    void laterSavesWriteOverTheSameChartFromEitherWindow()
    {
        LibraryFixture fixture;
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        form.setInput(Delhi1980Form());
        SaveWithNote(form, "kept");

        // No dialog this time: a dialog would block the test, so refuse any.
        QTimer guard;
        bool asked = false;
        connect(&guard, &QTimer::timeout, [&asked] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                asked = true;
                modal->close();
            }
        });
        guard.start(50);
        BirthFormInput later = Delhi1980Form();
        later.hour = 7;
        form.setInput(later);
        Child<QAction>(form, "saveChartAction")->trigger();
        form.proceed();
        later.minute = 45;
        form.setInput(later);
        Child<QAction>(*form.resultsWindow(), "saveChartAction")->trigger();
        guard.stop();
        QVERIFY(!asked);

        const auto charts = fixture.library().list().value();
        QCOMPARE(charts.size(), 1u);
        const SavedChart saved = fixture.library().get(charts.front().id).value();
        QCOMPARE(saved.form.hour, 7);
        QCOMPARE(saved.form.minute, 45);
        QCOMPARE(saved.note, std::string("kept"));

        // Another name in the form is another chart.
        form.setInput(Mumbai1975WithState());
        SaveWithNote(form, "");
        QCOMPARE(fixture.library().list()->size(), 2u);
    }

    void aChartKeepsItsSettingsAndOpensWithThem()
    {
        LibraryFixture fixture;
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        form.setInput(Delhi1980Form());
        const CalculationSettings raman{Ephemeris::Precise, AyanamsaKind::Raman, NodeKind::True, DashaYear::Julian};
        form.setCalculationSettings(raman);
        SaveWithNote(form, "raman");
        QCOMPARE(fixture.library().findByName("ASHA").value()->settings, SettingsText(raman));

        // A chart saved without settings, as before they were kept (the
        // fixture's clock makes it the older one).
        fixture.add("Old", 1975, "Pune");
        auto* recent = Child<QMenu>(form, "recentChartsMenu");
        emit recent->aboutToShow();
        QVERIFY(recent->actions().at(0)->text().contains(QStringLiteral("ASHA")));
        recent->actions().at(0)->trigger();
        QTRY_VERIFY(form.resultsWindow() != nullptr && form.input().name == "ASHA");
        QCOMPARE(form.calculationSettings(), raman);
        QVERIFY(Child<QLabel>(*form.resultsWindow(), "calculationLabel")->text().contains(QStringLiteral("Raman")));

        emit recent->aboutToShow();
        recent->actions().at(1)->trigger();
        QTRY_VERIFY(form.input().name == "Old");
        QCOMPARE(form.calculationSettings(), VedicSettings::calculationSettings());
    }

    void aChartKeepsItsBirthTimeUncertainty()
    {
        LibraryFixture fixture;
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        form.setInput(Delhi1980Form());
        form.setTimeUncertainty(12);
        SaveWithNote(form, "");
        QCOMPARE(fixture.library().findByName("ASHA").value()->timeUncertaintyMinutes, 12);

        form.setTimeUncertainty(5);
        auto* recent = Child<QMenu>(form, "recentChartsMenu");
        emit recent->aboutToShow();
        recent->actions().at(0)->trigger();
        QTRY_VERIFY(form.resultsWindow() != nullptr);
        QCOMPARE(form.resultsWindow()->birthTimePanel()->uncertaintyMinutes(), 12);
    }

    void recentMenuListsTheFiveNewestAndOpensThem()
    {
        LibraryFixture fixture;
        for (int k = 1; k <= 6; ++k) {
            // Names are letters only, or Proceed refuses the opened chart.
            fixture.add("Chart " + std::string(1, static_cast<char>('A' + k - 1)), 1970 + k, "Pune");
        }
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        auto* recent = Child<QMenu>(form, "recentChartsMenu");
        emit recent->aboutToShow();
        const QStringList captions = Captions(recent);
        QCOMPARE(captions.size(), 5);
        QCOMPARE(captions.first(), QStringLiteral("&1 Chart F  (1976-06-15 06:30)"));
        QCOMPARE(captions.last(), QStringLiteral("&5 Chart B  (1972-06-15 06:30)"));

        recent->actions().at(1)->trigger();
        QTRY_VERIFY(form.resultsWindow() != nullptr);
        QCOMPARE(form.input().name, std::string("Chart E"));
        QCOMPARE(form.input().year, 1975);

        // The results window has its own list, up to date.
        fixture.add("Newest", 2000, "Pune");
        auto* resultsRecent = Child<QMenu>(*form.resultsWindow(), "recentChartsMenu");
        emit resultsRecent->aboutToShow();
        QCOMPARE(Captions(resultsRecent).first(), QStringLiteral("&1 Newest  (2000-06-15 06:30)"));
    }

    void aChartKeepsItsZoneThroughOpenRenameDateChangeAndSave()
    {
        LibraryFixture fixture;
        const SavedChart london = ToolChart("Ann", "London", "1971-06-15", "12:00");
        QCOMPARE(london.zoneId, std::string("Europe/London"));
        QCOMPARE(london.form.exactOffsetSeconds, std::optional<int>(3600));  // British Standard Time, no row has it
        const std::int64_t londonId = fixture.library().save(london).value();
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        OpenRecent(form, "ANN");
        QCOMPARE(form.zoneId(), std::string("Europe/London"));
        QVERIFY(Child<QWidget>(form, "zoneHistoryLine")->isVisibleTo(&form));
        QCOMPARE(Child<QLabel>(form, "zoneHistoryLabel")->text(), QStringLiteral("London, 15 Jun 1971 12:00: BST, UT+01:00"));
        QCOMPARE(Child<QComboBox>(form, "zoneBox")->currentText(),
                 QStringLiteral("London: BST, UT+01:00 (from time-zone history)"));
        QCOMPARE(Child<QLineEdit>(form, "placeEdit")->text(), QStringLiteral("London, England, United Kingdom"));
        Child<QAction>(form, "saveChartAction")->trigger();  // over the same chart, no dialog
        const SavedChart resaved = fixture.library().get(londonId).value();
        QCOMPARE(resaved.zoneId, london.zoneId);
        QCOMPARE(resaved.form.exactOffsetSeconds, london.form.exactOffsetSeconds);
        ExpectSameInput(resaved.form, london.form);

        // A Berkeley summer chart made a winter one under a new name.
        fixture.library().save(ToolChart("Mira", "Berkeley", "1985-07-04", "06:00")).value();
        form.showFormAgain();
        OpenRecent(form, "MIRA");
        QCOMPARE(form.input().name, std::string("MIRA"));
        QCOMPARE(form.zoneId(), std::string("America/Los_Angeles"));
        form.showFormAgain();
        Child<QLineEdit>(form, "nameEdit")->setText(QStringLiteral("MIRA TWO"));
        WhenModal<SaveChartDialog>([](SaveChartDialog& dialog) {
            Child<QLineEdit>(dialog, "nameEdit")->setText(QStringLiteral("mira winter"));
            dialog.accept();
        });
        Child<QAction>(form, "saveChartAction")->trigger();
        QCOMPARE(form.input().name, std::string("MIRA WINTER"));
        QCOMPARE(form.zoneId(), std::string("America/Los_Angeles"));
        Child<QComboBox>(form, "monthBox")->setCurrentIndex(0);
        Child<QAction>(form, "saveChartAction")->trigger();

        const auto winter = fixture.library().findByName("MIRA WINTER").value();
        QVERIFY(winter.has_value());
        QCOMPARE(winter->form.name, std::string("MIRA WINTER"));
        QCOMPARE(winter->zoneId, std::string("America/Los_Angeles"));
        QCOMPARE(winter->form.monthIndex, 0);
        const SavedChart tool = ToolChart("Mira winter", "Berkeley", "1985-01-04", "06:00");
        QCOMPARE(tool.form.exactOffsetSeconds, std::optional<int>(-8 * 3600));
        QCOMPARE(Positions(winter->form), Positions(tool.form));
        QCOMPARE(fixture.library().list()->size(), 3u);
        QVERIFY(platform.messages.isEmpty());
    }

    void theSaveDialogsNameMeetsTheNameBoxRules()
    {
        LibraryFixture fixture;
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        form.setInput(Delhi1980Form());
        for (const QString& refused : {QStringLiteral("asha-2"), QString(61, u'A')}) {
            WhenModal<SaveChartDialog>([refused](SaveChartDialog& dialog) {
                Child<QLineEdit>(dialog, "nameEdit")->setText(refused);
                dialog.accept();
            });
            Child<QAction>(form, "saveChartAction")->trigger();
            QCOMPARE(platform.messages.size(), 1);
            platform.messages.clear();
            QCOMPARE(form.input().name, std::string("ASHA"));
        }
        QVERIFY(fixture.library().list()->empty());
    }

    void damagedLibraryIsSetAsideAndReportedOnce()
    {
        LibraryFixture fixture;
        {
            QFile file(fixture.path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, 'x'));
        }
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        for (int k = 0; k < 2; ++k) {
            WhenModal<ChartLibraryDialog>([](ChartLibraryDialog& dialog) { dialog.reject(); });
            Child<QAction>(form, "openChartAction")->trigger();
        }
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages.front().text.contains(fixture.path()));
        QVERIFY(fixture.library().list()->empty());
    }
};

QTEST_MAIN(LibraryActionsTest)
#include "tst_libraryactions.moc"
