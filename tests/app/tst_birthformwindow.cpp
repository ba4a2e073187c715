// The birth form window: its menus and exits, the validation messages
// with their focus, pasted text at Proceed, and the place lookup.
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrlQuery>

#include "app/AppConfig.h"
#include "app/QtText.h"
#include "zodiora/Version.h"
#include "app/BirthFormWindow.h"
#include "app/ResultsWindow.h"
#include "tests/app/AppTestSupport.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

QMenu* MenuTitled(QMenuBar* bar, const QString& title)
{
    for (QAction* a : bar->actions()) {
        if (a->menu() && a->text() == title) {
            return a->menu();
        }
    }
    return nullptr;
}

void SetText(const QObject& form, const char* name, const QString& text)
{
    if (auto* list = Child<QComboBox>(form, name)) {
        list->setCurrentText(text);
    } else {
        Child<QLineEdit>(form, name)->setText(text);
    }
}

void Click(const QObject& form, const char* name)
{
    QTest::mouseClick(Child<QPushButton>(form, name), Qt::LeftButton);
}

QWidget* Field(const QObject& form, const char* name)
{
    return Child<QWidget>(form, name);
}

}  // namespace

class BirthFormWindowTest : public QObject {
    Q_OBJECT

private slots:
    void menusOfTheInputWindow()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        QCOMPARE(form.windowTitle(), ToQString(ProgramTitle));
        QMenu* file = MenuTitled(form.menuBar(), QStringLiteral("&File"));
        QMenu* help = MenuTitled(form.menuBar(), QStringLiteral("&Help"));
        QVERIFY(file && help);
        QCOMPARE(Captions(file), (QStringList{"&Save Chart", "&Open Chart…", "Open &Recent", "&Match Charts…", "-", "Proceed", "E&xit"}));
        QCOMPARE(Captions(help), (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update",
                                              "-", "&About Software"}));
        for (const char* name : {"onlineHelpAction", "visitAction", "updateAction", "aboutAction"}) {
            QVERIFY2(Child<QAction>(form, name) != nullptr, name);
        }

        // "Proceed" from the menu runs the same checks as the button.
        Child<QAction>(form, "proceedAction")->trigger();
        ExpectMessage(platform, QStringLiteral("Please Enter Name"), Platform::Icon::Error);
    }

    void exitMenuAndCloseBoxEndTheProgram()
    {
        RecordingPlatform platform;
        {
            BirthFormWindow form(platform);
            QSignalSpy exits(&form, &BirthFormWindow::exitRequested);
            form.show();
            Child<QAction>(form, "exitAction")->trigger();
            QCOMPARE(exits.size(), 1);
            QVERIFY(!form.isVisible());
        }
        {
            BirthFormWindow form(platform);
            QSignalSpy exits(&form, &BirthFormWindow::exitRequested);
            form.show();
            QVERIFY(form.close());
            QCOMPARE(exits.size(), 1);
        }
    }

    void pastedGarbageReachesTheBoxButNeverTheChart()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ShowActive(form);
        SetText(form, "nameEdit", QStringLiteral("ASHA"));
        QApplication::clipboard()->setText(QStringLiteral("abc"));
        QWidget* degrees = Field(form, "longitudeDegreesEdit");
        degrees->setFocus();
        QTest::keyClick(degrees, Qt::Key_V, Qt::ControlModifier);
        // The keystroke filter sees typed characters only, as with any paste.
        QCOMPARE(Child<QLineEdit>(form, "longitudeDegreesEdit")->text(), QStringLiteral("abc"));
        QVERIFY(platform.messages.isEmpty());

        Click(form, "proceedButton");
        ExpectMessage(platform, QStringLiteral("Please Enter Value Between 0 And 179 in the Degree of Longitude"),
                      Platform::Icon::Error);
        QCOMPARE(form.focusWidget(), degrees);
        QVERIFY(form.isVisible());
        QVERIFY(form.resultsWindow() == nullptr);
        QApplication::clipboard()->clear();
    }

    void pastedNameIsCheckedAtProceedAsTyped()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ShowActive(form);
        form.setInput(Delhi1980Form());
        QApplication::clipboard()->setText(QStringLiteral("mary-jane 2nd <b>O'Neil</b>"));
        QLineEdit* name = Child<QLineEdit>(form, "nameEdit");
        name->clear();
        name->setFocus();
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), QStringLiteral("mary-jane 2nd <b>O'Neil</b>"));
        Field(form, "cityEdit")->setFocus();

        Click(form, "proceedButton");
        ExpectMessage(platform, QStringLiteral("Please Enter only Letters"), Platform::Icon::Information);
        QCOMPARE(form.focusWidget(), name);
        QVERIFY(form.resultsWindow() == nullptr);

        // Letters pasted in lower case chart as typed ones would: in capitals.
        name->setText(QStringLiteral("mary jane"));
        Click(form, "proceedButton");
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(form.resultsWindow() != nullptr);
        QCOMPARE(Child<QLabel>(*form.resultsWindow(), "nameLabel")->text(), QStringLiteral("MARY JANE"));
        QApplication::clipboard()->clear();
    }

    void pastedBrokenTextIsRefusedInTheNameAndShownReplacedInThePlace()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        BirthFormInput in = Delhi1980Form();
        form.setInput(in);
        // A lone surrogate is what undecodable bytes become on their way into a box.
        const QString broken = QStringLiteral("Pune") + QChar(0xD800) + QChar(0xFFFD);
        SetText(form, "nameEdit", QStringLiteral("ASHA") + QChar(0xDC00));
        form.proceed();
        ExpectMessage(platform, QStringLiteral("Please Enter only Letters"), Platform::Icon::Information);

        SetText(form, "nameEdit", QStringLiteral("ASHA"));
        SetText(form, "cityEdit", broken);
        form.proceed();
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(form.resultsWindow() != nullptr);
        const QString shown = Child<QLabel>(*form.resultsWindow(), "cityLabel")->text();
        QVERIFY2(shown.startsWith(QStringLiteral("Pune")) && shown.isValidUtf16(), qPrintable(shown));
    }

    void validationMessagesInOrderWithTheirFocus()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ShowActive(form);
        auto proceed = [&] { Click(form, "proceedButton"); };

        proceed();
        ExpectMessage(platform, QStringLiteral("Please Enter Name"), Platform::Icon::Error);
        QCOMPARE(form.focusWidget(), Field(form, "nameEdit"));

        SetText(form, "nameEdit", QStringLiteral("   "));
        proceed();
        ExpectMessage(platform, QStringLiteral("Please Enter Name"), Platform::Icon::Error);

        // Each box in turn, from a value out of range to one that passes.
        const std::tuple<const char*, const char*, const char*, const char*> boxes[] = {
            {"longitudeDegreesEdit", "180", "179", "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
            {"longitudeMinutesEdit", "60", "59", "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
            {"latitudeDegreesEdit", "90", "89", "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
            {"latitudeMinutesEdit", "", "0", "Please Enter Value Between 0 And 59 in the  Minute of Latitude"},
            {"latitudeSecondsEdit", "60", "59.5", "Please Enter Seconds From 0 To Below 60 in the Second of Latitude"},
            {"longitudeSecondsEdit", "7.", "", "Please Enter Seconds From 0 To Below 60 in the Second of Longitude"}};
        SetText(form, "nameEdit", QStringLiteral("  ASHA"));
        for (const auto& [name, refused, accepted, message] : boxes) {
            SetText(form, name, QLatin1String(refused));
            proceed();
            ExpectMessage(platform, QLatin1String(message), Platform::Icon::Error);
            QCOMPARE(form.focusWidget(), Field(form, name));
            SetText(form, name, QLatin1String(accepted));
        }

        Child<QComboBox>(form, "monthBox")->setCurrentIndex(1);
        SetText(form, "dayBox", QStringLiteral("29"));
        SetText(form, "yearBox", QStringLiteral("2001"));
        Field(form, "cityEdit")->setFocus();
        proceed();
        ExpectMessage(platform, QStringLiteral("Please Enter Correct Date Or Month!"), Platform::Icon::Information);

        Child<QComboBox>(form, "monthBox")->setCurrentIndex(3);
        SetText(form, "dayBox", QStringLiteral("31"));
        proceed();
        ExpectMessage(platform, QStringLiteral("Please Enter Correct Date Or Month !"), Platform::Icon::Information);
        QVERIFY(form.resultsWindow() == nullptr);
        QVERIFY(form.isVisible());

        // 29 February 2000 passes: the results window replaces the form.
        Child<QComboBox>(form, "monthBox")->setCurrentIndex(1);
        SetText(form, "dayBox", QStringLiteral("29"));
        SetText(form, "yearBox", QStringLiteral("2000"));
        proceed();
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(form.resultsWindow() != nullptr);
        QVERIFY(form.resultsWindow()->isVisible());
        QVERIFY(!form.isVisible());
    }

    void yearOutsideTheClassicYearsChartsWithThePreciseEphemeris()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ShowActive(form);
        QCOMPARE(form.calculationSettings().ephemeris, Ephemeris::Classic);
        QVERIFY(Child<QLabel>(form, "yearNote")->isHidden());

        SetText(form, "yearBox", QStringLiteral("1869"));
        QCOMPARE(form.calculationSettings().ephemeris, Ephemeris::Precise);
        QVERIFY(!Child<QLabel>(form, "yearNote")->isHidden());

        // 1900 had no 29 February in the Gregorian calendar.
        SetText(form, "nameEdit", QStringLiteral("ASHA"));
        for (const char* name : {"latitudeDegreesEdit", "latitudeMinutesEdit", "longitudeDegreesEdit",
                                 "longitudeMinutesEdit"}) {
            SetText(form, name, QStringLiteral("21"));
        }
        Child<QComboBox>(form, "monthBox")->setCurrentIndex(1);
        SetText(form, "dayBox", QStringLiteral("29"));
        SetText(form, "yearBox", QStringLiteral("1900"));
        Click(form, "proceedButton");
        ExpectMessage(platform, QStringLiteral("Please Enter Correct Date Or Month!"), Platform::Icon::Information);

        SetText(form, "yearBox", QStringLiteral("2396"));  // a Gregorian leap year
        Click(form, "proceedButton");
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(form.resultsWindow() != nullptr);
        QCOMPARE(form.resultsWindow()->isVisible(), true);
    }

    void onlyTheFirstFailingCheckSpeaks()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        BirthFormInput in;
        in.name = "ASHA";
        in.lonDegrees = "10";
        in.monthIndex = 3;
        in.day = 31;
        form.setInput(in);
        form.proceed();
        ExpectMessage(platform, QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Longitude"),
                      Platform::Icon::Error);
    }

    void enterInADegreeOrMinuteBoxProceeds()
    {
        for (const char* box : {"latitudeDegreesEdit", "longitudeMinutesEdit"}) {
            RecordingPlatform platform;
            BirthFormWindow form(platform);
            form.setInput(Delhi1980Form());
            ShowActive(form);
            Field(form, box)->setFocus();
            QTest::keyClick(Field(form, box), Qt::Key_Return);
            QVERIFY2(platform.messages.isEmpty(), box);
            QVERIFY2(form.resultsWindow() != nullptr, box);
        }
    }

    void aLongNameIsRefusedAndTheUserToldTheLimit()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        BirthFormInput input = Delhi1980Form();
        input.name = std::string(10'000, 'A');
        form.setInput(input);
        form.proceed();
        QVERIFY(form.resultsWindow() == nullptr);
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY2(platform.messages.front().text.contains(QStringLiteral("60")), qPrintable(platform.messages.front().text));
        platform.messages.clear();

        // Typing stops at the limit, and says why.
        input.name = std::string(60, 'A');
        form.setInput(input);
        auto* name = Child<QLineEdit>(form, "nameEdit");
        name->setFocus();
        name->end(false);
        QTest::keyClick(name, Qt::Key_B);
        QCOMPARE(name->text().size(), 60);
        QCOMPARE(platform.messages.size(), 1);
        platform.messages.clear();
        form.proceed();
        QVERIFY(form.resultsWindow() != nullptr);
        QVERIFY(platform.messages.isEmpty());
    }

    void placeLookupNeedsAllThreePlaceBoxes()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ShowActive(form);

        const std::tuple<const char*, const char*, const char*> boxes[] = {
            {"cityEdit", "Pune", "Please Enter City"},
            {"stateEdit", "Maharashtra", "Please Enter State"},
            {"countryEdit", "India", "Please Enter Country"}};
        for (const auto& [name, place, message] : boxes) {
            Click(form, "lookupButton");
            ExpectMessage(platform, QLatin1String(message), Platform::Icon::Information);
            QCOMPARE(form.focusWidget(), Field(form, name));
            QVERIFY(platform.openedUrls.isEmpty());
            SetText(form, name, QLatin1String(place));
        }

        Click(form, "lookupButton");
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(platform.openedUrls.size(), 1);
        const QUrl url = platform.openedUrls.front();
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        const QString site = QUrl(QStringLiteral(ZODIORA_HOME_URL)).host();
        QVERIFY(!site.isEmpty());
        QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded),
                 QStringLiteral("Pune Maharashtra India Latitude Longitude site:") + site);
        // The lookup changes nothing on the form.
        QCOMPARE(Child<QLineEdit>(form, "latitudeDegreesEdit")->text(), QString());
        QVERIFY(form.isVisible());
    }
};

QTEST_MAIN(BirthFormWindowTest)
#include "tst_birthformwindow.moc"
