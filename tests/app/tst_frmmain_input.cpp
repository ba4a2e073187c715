// The input form as a user meets it: its controls, lists and menus, the
// key filters while typing, the validation messages with their focus, the
// place lookup and the tab order.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrlQuery>
#include <QClipboard>
#include <QtTest>

#include "AppConfig.h"
#include "FormDriver.h"
#include "Mdi.h"
#include "RecordingPlatform.h"

using namespace zodiora;
using zodiora::test::FormEntry;
using zodiora::test::RecordingPlatform;

namespace {

QStringList Captions(QMenu* menu)
{
    QStringList out;
    for (QAction* a : menu->actions()) {
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    return out;
}

QMenu* MenuTitled(QMenuBar* bar, const QString& title)
{
    for (QAction* a : bar->actions()) {
        if (a->menu() && a->text() == title) {
            return a->menu();
        }
    }
    return nullptr;
}

QStringList Items(QComboBox* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        out << list->itemText(i);
    }
    return out;
}

}  // namespace

class FrmMainInputTest : public QObject {
    Q_OBJECT

private:
    /// Shows the form and asks for it to be the active window. Under Xvfb
    /// without a window manager activation may never come, so focus checks
    /// read the form's own focus widget, which moves either way.
    static void ShowActive(FrmMain& form)
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QApplication::setActiveWindow(&form);
        form.activateWindow();
        (void)QTest::qWaitForWindowActive(&form, 300);
    }

    static void ExpectMessage(RecordingPlatform& platform, const QString& text, Platform::Icon icon)
    {
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.front().text, text);
        QCOMPARE(platform.messages.front().icon, icon);
        platform.messages.clear();
    }

private slots:
    void controlsCarryTheirNamesCaptionsAndDefaults()
    {
        RecordingPlatform platform;
        FrmMain form(platform);
        QCOMPARE(form.windowTitle(), QStringLiteral("Zodiora v1.15"));
        QCOMPARE(form.objectName(), QStringLiteral("frmMain"));

        const QStringList names{"Label61",  "txtName",  "cboMonth", "cboDate",     "cboYear",    "cboHH",
                                "cboMM",    "cboSS",    "fraZone",  "chkDST",      "cmbTimeZone", "txtLatD",
                                "txtLatM",  "optLat(0)", "optLat(1)", "txtLonD",   "txtLonM",    "optLong(0)",
                                "optLong(1)", "txtMCity", "txtMState", "txtMCountry", "cmdBrowser", "cmdRashi"};
        for (const QString& name : names) {
            QVERIFY2(form.findChild<QWidget*>(name) != nullptr, qPrintable(name));
        }
        QCOMPARE(form.findChild<QWidget*>("cmdRashi"), form.cmdRashi);
        QCOMPARE(form.findChild<QWidget*>("optLat(1)"), form.optLat1);
        QCOMPARE(form.findChild<QWidget*>("optLong(1)"), form.optLong1);

        QCOMPARE(form.cmdRashi->text(), QStringLiteral("Proceed"));
        QCOMPARE(form.cmdBrowser->text(), QStringLiteral("Click Here To Find Latitude && Longitude"));
        QCOMPARE(form.fraZone->title(), QStringLiteral("Zone"));
        QCOMPARE(form.chkDST->text(), QStringLiteral("Daylight Saving Time"));
        QCOMPARE(form.optLat0->text(), QStringLiteral("North"));
        QCOMPARE(form.optLat1->text(), QStringLiteral("South"));
        QCOMPARE(form.optLong0->text(), QStringLiteral("East"));
        QCOMPARE(form.optLong1->text(), QStringLiteral("West"));

        QStringList labels;
        for (QLabel* label : form.findChildren<QLabel*>()) {
            labels << label->text();
        }
        for (const char* caption : {"Name", "Date of Birth", "Time of Birth", "HH:MM:SS", "Deg", "Min", "City", "State",
                                    "Country"}) {
            QVERIFY2(labels.contains(QLatin1String(caption)), caption);
        }
        QVERIFY(labels.contains(QStringLiteral(
            "Zodiora shows the positions of the planets in the twelve signs in your natal chart. The distribution "
            "of the planets in the different signs play an important role in interpreting the birth chart of an "
            "individual.")));

        // Defaults: first rows, GMT, North and East, nothing typed.
        QCOMPARE(form.cboMonth->currentText(), QStringLiteral("January"));
        QCOMPARE(form.cboDate->currentText(), QStringLiteral("1"));
        QCOMPARE(form.cboYear->currentText(), QStringLiteral("1901"));
        QCOMPARE(form.cboHH->currentText(), QStringLiteral("0"));
        QCOMPARE(form.cboMM->currentText(), QStringLiteral("0"));
        QCOMPARE(form.cboSS->currentText(), QStringLiteral("0"));
        QCOMPARE(form.cmbTimeZone->currentIndex(), 29);
        QCOMPARE(form.cmbTimeZone->currentText(), QStringLiteral("Greenwich Mean Time,GMT,0.0"));
        QVERIFY(!form.chkDST->isChecked());
        QVERIFY(form.optLat0->isChecked() && !form.optLat1->isChecked());
        QVERIFY(form.optLong0->isChecked() && !form.optLong1->isChecked());
        for (QLineEdit* box : {form.txtName, form.txtLatD, form.txtLatM, form.txtLonD, form.txtLonM, form.txtMCity,
                               form.txtMState, form.txtMCountry}) {
            QVERIFY(box->text().isEmpty());
        }
    }

    void listsHoldTheirRowsInOrder()
    {
        RecordingPlatform platform;
        FrmMain form(platform);
        QCOMPARE(Items(form.cboMonth),
                 (QStringList{"January", "February", "March", "April", "May", "June", "July", "August", "September",
                              "October", "November", "December"}));
        QCOMPARE(form.cboDate->count(), 31);
        QCOMPARE(form.cboDate->itemText(30), QStringLiteral("31"));
        QCOMPARE(form.cboYear->count(), 150);
        QCOMPARE(form.cboYear->itemText(149), QStringLiteral("2050"));
        QCOMPARE(form.cboHH->count(), 24);
        QCOMPARE(form.cboHH->itemText(23), QStringLiteral("23"));
        QCOMPARE(form.cboMM->count(), 60);
        QCOMPARE(form.cboSS->count(), 60);
        QCOMPARE(form.cboSS->itemText(59), QStringLiteral("59"));
        QCOMPARE(form.cmbTimeZone->count(), 71);
        QCOMPARE(form.cmbTimeZone->itemText(34), QStringLiteral("Indian Time, IST, +5.3"));
        for (QComboBox* list : form.findChildren<QComboBox*>()) {
            QVERIFY2(!list->isEditable(), qPrintable(list->objectName()));
        }
        QCOMPARE(form.txtLatD->maxLength(), 2);
        QCOMPARE(form.txtLatM->maxLength(), 2);
        QCOMPARE(form.txtLonD->maxLength(), 3);
        QCOMPARE(form.txtLonM->maxLength(), 2);
        QVERIFY(form.txtName->maxLength() >= 32767);
    }

    void menusOfTheInputWindow()
    {
        RecordingPlatform platform;
        FrmMain form(platform);
        QMenu* file = MenuTitled(form.menuBar(), QStringLiteral("&File"));
        QMenu* help = MenuTitled(form.menuBar(), QStringLiteral("&Help"));
        QVERIFY(file && help);
        QCOMPARE(Captions(file), (QStringList{"Proceed", "E&xit"}));
        QCOMPARE(Captions(help), (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update",
                                              "-", "&About Software"}));
        for (const char* name : {"mnuOnline", "mnuVisit", "mnuUpdate", "mnuAbout"}) {
            QVERIFY2(form.findChild<QAction*>(QLatin1String(name)) != nullptr, name);
        }

        // "Proceed" from the menu runs the same checks as the button.
        file->actions().at(0)->trigger();
        ExpectMessage(platform, QStringLiteral("Please Enter Name"), Platform::Icon::Error);
    }

    void exitMenuAndCloseBoxEndTheProgram()
    {
        RecordingPlatform platform;
        {
            FrmMain form(platform);
            QSignalSpy exits(&form, &FrmMain::exitRequested);
            form.show();
            MenuTitled(form.menuBar(), QStringLiteral("&File"))->actions().at(1)->trigger();
            QCOMPARE(exits.size(), 1);
            QVERIFY(!form.isVisible());
        }
        {
            FrmMain form(platform);
            QSignalSpy exits(&form, &FrmMain::exitRequested);
            form.show();
            QVERIFY(form.close());
            QCOMPARE(exits.size(), 1);
        }
    }

    void nameBoxTakesLettersInCapitals()
    {
        RecordingPlatform platform;
        FrmMain form(platform);
        ShowActive(form);
        QTest::keyClicks(form.txtName, QStringLiteral("ravi Kumar"));
        QCOMPARE(form.txtName->text(), QStringLiteral("RAVI KUMAR"));
        QVERIFY(platform.messages.isEmpty());

        QTest::keyClicks(form.txtName, QStringLiteral("-"));
        ExpectMessage(platform, QStringLiteral("Please Enter only Letters"), Platform::Icon::Information);
        QTest::keyClicks(form.txtName, QStringLiteral("."));
        ExpectMessage(platform, QStringLiteral("Please Enter only Letters"), Platform::Icon::Information);
        QTest::keyClicks(form.txtName, QStringLiteral("7"));
        ExpectMessage(platform, QStringLiteral("Please Enter only Letters"), Platform::Icon::Information);
        QCOMPARE(form.txtName->text(), QStringLiteral("RAVI KUMAR"));

        // Backspace and Enter pass without a message; editing keys are not judged.
        QTest::keyClick(form.txtName, Qt::Key_Backspace);
        QTest::keyClick(form.txtName, Qt::Key_Return);
        QTest::keyClick(form.txtName, Qt::Key_Home);
        QTest::keyClick(form.txtName, Qt::Key_Delete);
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(form.txtName->text(), QStringLiteral("AVI KUMA"));
        QTest::keyClicks(form.txtName, QStringLiteral("r"));
        QCOMPARE(form.txtName->text(), QStringLiteral("RAVI KUMA"));
    }

    void degreeAndMinuteBoxesTakeDigitsOnly()
    {
        RecordingPlatform platform;
        FrmMain form(platform);
        ShowActive(form);
        for (QLineEdit* box : {form.txtLatD, form.txtLatM, form.txtLonD, form.txtLonM}) {
            QTest::keyClicks(box, QStringLiteral("1x"));
            ExpectMessage(platform, QStringLiteral("Only Numbers Are Accepted"), Platform::Icon::Error);
            QTest::keyClick(box, Qt::Key_Return);
            ExpectMessage(platform, QStringLiteral("Only Numbers Are Accepted"), Platform::Icon::Error);
            QTest::keyClicks(box, QStringLiteral(" "));
            ExpectMessage(platform, QStringLiteral("Only Numbers Are Accepted"), Platform::Icon::Error);
            QCOMPARE(box->text(), QStringLiteral("1"));
            QTest::keyClick(box, Qt::Key_Backspace);
            QCOMPARE(box->text(), QString());
            QVERIFY(platform.messages.isEmpty());
        }
        // The length limits cut what can be typed: 100 never reaches a latitude box.
        QTest::keyClicks(form.txtLatD, QStringLiteral("100"));
        QCOMPARE(form.txtLatD->text(), QStringLiteral("10"));
        QTest::keyClicks(form.txtLonD, QStringLiteral("1795"));
        QCOMPARE(form.txtLonD->text(), QStringLiteral("179"));
        QVERIFY(platform.messages.isEmpty());
    }

    void tabMovesThroughTheRowsInLayoutOrder()
    {
        RecordingPlatform platform;
        FrmMain form(platform);
        const QList<QWidget*> expected{form.txtName,  form.cboMonth, form.cboDate,  form.cboYear,     form.cboHH,
                                       form.cboMM,    form.cboSS,    form.chkDST,   form.cmbTimeZone, form.txtLatD,
                                       form.txtLatM,  form.optLat0,  form.optLat1,  form.txtLonD,     form.txtLonM,
                                       form.optLong0, form.optLong1, form.txtMCity, form.txtMState,   form.txtMCountry,
                                       form.cmdBrowser, form.cmdRashi};
        QList<QWidget*> chain;
        QWidget* w = form.txtName;
        do {
            if (expected.contains(w)) {
                chain << w;
            }
            w = w->nextInFocusChain();
        } while (w != form.txtName && chain.size() < expected.size());
        QCOMPARE(chain, expected);

        // And a real Tab press moves from the latitude minutes on, as laid out.
        ShowActive(form);
        form.txtLatM->setFocus();
        QTest::keyClick(form.txtLatM, Qt::Key_Tab);
        QCOMPARE(form.focusWidget(), form.optLat0);
    }

    void pastedGarbageReachesTheBoxButNeverTheChart()
    {
        RecordingPlatform platform;
        FrmMain form(platform);
        ShowActive(form);
        form.txtName->setText(QStringLiteral("ASHA"));
        QApplication::clipboard()->setText(QStringLiteral("abc"));
        form.txtLonD->setFocus();
        QTest::keyClick(form.txtLonD, Qt::Key_V, Qt::ControlModifier);
        // The keystroke filter sees typed characters only, as with any paste.
        QCOMPARE(form.txtLonD->text(), QStringLiteral("abc"));
        QVERIFY(platform.messages.isEmpty());

        QTest::mouseClick(form.cmdRashi, Qt::LeftButton);
        ExpectMessage(platform, QStringLiteral("Please Enter Value Between 0 And 179 in the Degree of Longitude"),
                      Platform::Icon::Error);
        QCOMPARE(form.focusWidget(), form.txtLonD);
        QVERIFY(form.isVisible());
        QVERIFY(form.ResultsWindow() == nullptr);
        QApplication::clipboard()->clear();
    }

    void validationMessagesInOrderWithTheirFocus()
    {
        RecordingPlatform platform;
        FrmMain form(platform);
        ShowActive(form);
        auto proceed = [&] { QTest::mouseClick(form.cmdRashi, Qt::LeftButton); };

        proceed();
        ExpectMessage(platform, QStringLiteral("Please Enter Name"), Platform::Icon::Error);
        QCOMPARE(form.focusWidget(), form.txtName);

        form.txtName->setText(QStringLiteral("   "));
        proceed();
        ExpectMessage(platform, QStringLiteral("Please Enter Name"), Platform::Icon::Error);

        form.txtName->setText(QStringLiteral("  ASHA"));
        form.txtLonD->setText(QStringLiteral("180"));
        proceed();
        ExpectMessage(platform, QStringLiteral("Please Enter Value Between 0 And 179 in the Degree of Longitude"),
                      Platform::Icon::Error);
        QCOMPARE(form.focusWidget(), form.txtLonD);

        form.txtLonD->setText(QStringLiteral("179"));
        form.txtLonM->setText(QStringLiteral("60"));
        proceed();
        ExpectMessage(platform, QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Longitude"),
                      Platform::Icon::Error);
        QCOMPARE(form.focusWidget(), form.txtLonM);

        form.txtLonM->setText(QStringLiteral("59"));
        form.txtLatD->setText(QStringLiteral("90"));
        proceed();
        ExpectMessage(platform, QStringLiteral("Please Enter Value Between 0 And 89 in the Degree of Latitude"),
                      Platform::Icon::Error);
        QCOMPARE(form.focusWidget(), form.txtLatD);

        form.txtLatD->setText(QStringLiteral("89"));
        proceed();
        ExpectMessage(platform, QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Latitude"),
                      Platform::Icon::Error);
        QCOMPARE(form.focusWidget(), form.txtLatM);

        form.txtLatM->setText(QStringLiteral("0"));
        form.cboMonth->setCurrentIndex(1);
        form.cboDate->setCurrentText(QStringLiteral("29"));
        form.cboYear->setCurrentText(QStringLiteral("2001"));
        form.txtMCity->setFocus();
        proceed();
        ExpectMessage(platform, QStringLiteral("Please Enter Correct Date Or Month!"), Platform::Icon::Information);

        form.cboMonth->setCurrentIndex(3);
        form.cboDate->setCurrentText(QStringLiteral("31"));
        proceed();
        ExpectMessage(platform, QStringLiteral("Please Enter Correct Date Or Month !"), Platform::Icon::Information);
        QVERIFY(form.ResultsWindow() == nullptr);
        QVERIFY(form.isVisible());

        // 29 February 2000 passes: the results window replaces the form.
        form.cboMonth->setCurrentIndex(1);
        form.cboDate->setCurrentText(QStringLiteral("29"));
        form.cboYear->setCurrentText(QStringLiteral("2000"));
        proceed();
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(form.ResultsWindow() != nullptr);
        QVERIFY(form.ResultsWindow()->isVisible());
        QVERIFY(!form.isVisible());
    }

    void onlyTheFirstFailingCheckSpeaks()
    {
        RecordingPlatform platform;
        FrmMain form(platform);
        form.txtName->setText(QStringLiteral("ASHA"));
        form.txtLonD->setText(QStringLiteral("10"));
        form.cboMonth->setCurrentIndex(3);
        form.cboDate->setCurrentText(QStringLiteral("31"));
        form.cmdRashi_Click();
        ExpectMessage(platform, QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Longitude"),
                      Platform::Icon::Error);
    }

    void placeLookupNeedsAllThreePlaceBoxes()
    {
        RecordingPlatform platform;
        FrmMain form(platform);
        ShowActive(form);

        QTest::mouseClick(form.cmdBrowser, Qt::LeftButton);
        ExpectMessage(platform, QStringLiteral("Please Enter City"), Platform::Icon::Information);
        QCOMPARE(form.focusWidget(), form.txtMCity);

        form.txtMCity->setText(QStringLiteral("Pune"));
        QTest::mouseClick(form.cmdBrowser, Qt::LeftButton);
        ExpectMessage(platform, QStringLiteral("Please Enter State"), Platform::Icon::Information);
        QCOMPARE(form.focusWidget(), form.txtMState);

        form.txtMState->setText(QStringLiteral("Maharashtra"));
        QTest::mouseClick(form.cmdBrowser, Qt::LeftButton);
        ExpectMessage(platform, QStringLiteral("Please Enter Country"), Platform::Icon::Information);
        QCOMPARE(form.focusWidget(), form.txtMCountry);
        QVERIFY(platform.openedUrls.isEmpty());

        form.txtMCountry->setText(QStringLiteral("India"));
        QTest::mouseClick(form.cmdBrowser, Qt::LeftButton);
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(platform.openedUrls.size(), 1);
        const QUrl url = platform.openedUrls.front();
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        const QString site = QUrl(QStringLiteral(ZODIORA_HOME_URL)).host();
        QVERIFY(!site.isEmpty());
        QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded),
                 QStringLiteral("Pune Maharashtra India Latitude Longitude site:") + site);
        // The lookup changes nothing on the form.
        QCOMPARE(form.txtLatD->text(), QString());
        QVERIFY(form.isVisible());
    }
};

QTEST_MAIN(FrmMainInputTest)
#include "tst_frmmain_input.moc"
