// The birth form's controls as a user meets them: names, captions, lists
// and defaults, the key filters while typing, the tab order, and input()
// reading back what setInput() put in.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/BirthFormWindow.h"
#include "app/PlaceField.h"
#include "atlas/Place.h"
#include "tests/app/AppTestSupport.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

QStringList Items(const QComboBox* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        out << list->itemText(i);
    }
    return out;
}

QLineEdit* Edit(const QObject& form, const char* name)
{
    return Child<QLineEdit>(form, name);
}

QString Text(const QObject& form, const char* name)
{
    if (const auto* list = Child<QComboBox>(form, name)) {
        return list->currentText();
    }
    return Edit(form, name)->text();
}

bool Checked(const QObject& form, const char* name)
{
    return Child<QAbstractButton>(form, name)->isChecked();
}

const QStringList ChainNames{"nameEdit",  "monthBox",  "dayBox",  "yearBox", "hourBox", "minuteBox", "secondBox",
                             "daylightSavingBox", "zoneBox", "meanTimeBox", "latitudeDegreesEdit", "latitudeMinutesEdit",
                             "latitudeSecondsEdit", "northButton", "southButton", "longitudeDegreesEdit",
                             "longitudeMinutesEdit", "longitudeSecondsEdit", "eastButton", "westButton", "cityEdit", "stateEdit", "countryEdit", "lookupButton",
                             "proceedButton"};

}  // namespace

class BirthFormFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryTheirNamesCaptionsAndDefaults()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        QCOMPARE(form.objectName(), QStringLiteral("birthFormWindow"));
        for (const QString& name : ChainNames + QStringList{"forumBanner", "zoneFrame"}) {
            QVERIFY2(form.findChild<QWidget*>(name) != nullptr, qPrintable(name));
        }

        const std::pair<const char*, const char*> captions[] = {
            {"proceedButton", "Proceed"}, {"lookupButton", "Click Here To Find Latitude && Longitude"},
            {"daylightSavingBox", "Daylight Saving Time"}, {"northButton", "North"}, {"southButton", "South"},
            {"eastButton", "East"}, {"westButton", "West"}};
        for (const auto& [name, caption] : captions) {
            QCOMPARE(Child<QAbstractButton>(form, name)->text(), QLatin1String(caption));
        }
        QCOMPARE(Child<QGroupBox>(form, "zoneFrame")->title(), QStringLiteral("Zone"));

        QStringList labels;
        for (QLabel* label : form.findChildren<QLabel*>()) {
            labels << QString(label->text()).remove(u'&');  // a mnemonic is not part of the caption
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
        QCOMPARE(Text(form, "monthBox"), QStringLiteral("January"));
        QCOMPARE(Text(form, "dayBox"), QStringLiteral("1"));
        QCOMPARE(Text(form, "yearBox"), QStringLiteral("1901"));
        for (const char* name : {"hourBox", "minuteBox", "secondBox"}) {
            QCOMPARE(Text(form, name), QStringLiteral("0"));
        }
        QCOMPARE(Child<QComboBox>(form, "zoneBox")->currentIndex(), 29);
        QCOMPARE(Text(form, "zoneBox"), QStringLiteral("Greenwich Mean Time,GMT,0.0"));
        QVERIFY(!Checked(form, "daylightSavingBox"));
        QVERIFY(Checked(form, "northButton") && !Checked(form, "southButton"));
        QVERIFY(Checked(form, "eastButton") && !Checked(form, "westButton"));
        for (QLineEdit* box : form.findChildren<QLineEdit*>()) {
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        }
    }

    void listsHoldTheirRowsInOrder()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        QCOMPARE(Items(Child<QComboBox>(form, "monthBox")),
                 (QStringList{"January", "February", "March", "April", "May", "June", "July", "August", "September",
                              "October", "November", "December"}));
        const std::tuple<const char*, int, const char*> lists[] = {
            {"dayBox", 31, "31"}, {"yearBox", 817, "2399"}, {"hourBox", 24, "23"}, {"minuteBox", 60, "59"},
            {"secondBox", 60, "59"}};
        for (const auto& [name, count, last] : lists) {
            const QComboBox* list = Child<QComboBox>(form, name);
            QCOMPARE(list->count(), count);
            QCOMPARE(list->itemText(count - 1), QLatin1String(last));
        }
        QCOMPARE(Child<QComboBox>(form, "zoneBox")->count(), 71);
        QCOMPARE(Child<QComboBox>(form, "zoneBox")->itemText(34), QStringLiteral("Indian Time, IST, +5.3"));
        for (QComboBox* list : form.findChildren<QComboBox*>()) {
            QVERIFY2(!list->isEditable(), qPrintable(list->objectName()));
        }
        QCOMPARE(Edit(form, "latitudeDegreesEdit")->maxLength(), 2);
        QCOMPARE(Edit(form, "latitudeMinutesEdit")->maxLength(), 2);
        QCOMPARE(Edit(form, "longitudeDegreesEdit")->maxLength(), 3);
        QCOMPARE(Edit(form, "longitudeMinutesEdit")->maxLength(), 2);
        QVERIFY(Edit(form, "nameEdit")->maxLength() >= 32767);
    }

    void inputReadsBackWhatSetInputPutIn()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        BirthFormInput in = Delhi1980Form();
        in.name = "ASHA RANI  ";
        in.daylightSaving = true;
        in.south = true;
        in.east = false;
        form.setInput(in);
        QVERIFY(Checked(form, "southButton") && !Checked(form, "northButton"));
        QVERIFY(Checked(form, "westButton") && !Checked(form, "eastButton"));
        QCOMPARE(Text(form, "monthBox"), QStringLiteral("June"));
        QCOMPARE(Text(form, "longitudeDegreesEdit"), QStringLiteral("77"));

        ExpectSameInput(form.input(), in);
    }

    // Seconds of arc and the place's own mean time come back as they were
    // saved; the mean time's offset takes the seconds of the longitude.
    void secondsAndMeanTimeReadBackAsSaved()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        BirthFormInput in = Delhi1980Form();
        in.latDegrees = "21";
        in.latMinutes = "38";
        in.latSeconds = "24.36";
        in.lonDegrees = "69";
        in.lonMinutes = "36";
        in.lonSeconds = "09.0";
        in.localMeanTime = true;
        in.exactOffsetSeconds = 16705;  // 69:36:09 E / 15 = 4h 38m 24.6s
        in.zoneRow = 29;
        form.setInput(in);
        QVERIFY(Checked(form, "meanTimeBox"));
        QCOMPARE(Text(form, "longitudeSecondsEdit"), QStringLiteral("09.0"));
        const BirthFormInput back = form.input();
        ExpectSameInput(back, in);
        QCOMPARE(back.exactOffsetSeconds, std::optional<int>(16705));

        in.localMeanTime = false;
        in.exactOffsetSeconds.reset();
        in.latSeconds.clear();
        in.lonSeconds.clear();
        form.setInput(in);
        QVERIFY(!Checked(form, "meanTimeBox"));
        ExpectSameInput(form.input(), in);
    }

    void secondsBoxesTakeDigitsAndAPoint()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ShowActive(form);
        QLineEdit* box = Edit(form, "latitudeSecondsEdit");
        QTest::keyClicks(box, QStringLiteral("07.5"));
        QCOMPARE(box->text(), QStringLiteral("07.5"));
        QVERIFY(platform.messages.isEmpty());
        QTest::keyClicks(box, QStringLiteral("x"));
        ExpectMessage(platform, QStringLiteral("Only Numbers Are Accepted"), Platform::Icon::Error);
        QCOMPARE(box->text(), QStringLiteral("07.5"));
    }

    void nameBoxTakesLettersInCapitals()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ShowActive(form);
        QLineEdit* name = Edit(form, "nameEdit");
        QTest::keyClicks(name, QStringLiteral("ravi Kumar"));
        QCOMPARE(name->text(), QStringLiteral("RAVI KUMAR"));
        QVERIFY(platform.messages.isEmpty());

        for (const char* refused : {".", "7", "@"}) {
            QTest::keyClicks(name, QLatin1String(refused));
            ExpectMessage(platform, QStringLiteral("Please Enter only Letters"), Platform::Icon::Information);
        }
        QCOMPARE(name->text(), QStringLiteral("RAVI KUMAR"));

        // Backspace and Enter pass the filter; editing keys are not judged.
        // Enter goes on to Proceed, whose own check speaks for the empty latitude.
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClick(name, Qt::Key_Return);
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages.front().text != QStringLiteral("Please Enter only Letters"));
        platform.messages.clear();
        QTest::keyClick(name, Qt::Key_Home);
        QTest::keyClick(name, Qt::Key_Delete);
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(name->text(), QStringLiteral("AVI KUMA"));
        QTest::keyClicks(name, QStringLiteral("r"));
        QCOMPARE(name->text(), QStringLiteral("RAVI KUMA"));

        // Letters of any script; capitals where the script has them; hyphens and apostrophes inside.
        // (QTest::keyClicks takes Latin-1 alone: each character goes as a key of unknown code with its text.)
        auto type = [name](const QString& text) {
            for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(c), {});
        };
        name->clear();
        type(QStringLiteral("josé-luc o'brien"));
        QCOMPARE(name->text(), QStringLiteral("JOSÉ-LUC O'BRIEN"));
        name->clear();
        type(QStringLiteral("राम"));
        QCOMPARE(name->text(), QStringLiteral("राम"));
        QVERIFY(platform.messages.isEmpty());
    }

    void degreeAndMinuteBoxesTakeDigitsOnly()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ShowActive(form);
        for (const char* name :
             {"latitudeDegreesEdit", "latitudeMinutesEdit", "longitudeDegreesEdit", "longitudeMinutesEdit"}) {
            QLineEdit* box = Edit(form, name);
            QTest::keyClicks(box, QStringLiteral("1x"));
            ExpectMessage(platform, QStringLiteral("Only Numbers Are Accepted"), Platform::Icon::Error);
            QTest::keyClicks(box, QStringLiteral(" "));
            ExpectMessage(platform, QStringLiteral("Only Numbers Are Accepted"), Platform::Icon::Error);
            QCOMPARE(box->text(), QStringLiteral("1"));
            QTest::keyClick(box, Qt::Key_Backspace);
            QCOMPARE(box->text(), QString());
            QVERIFY(platform.messages.isEmpty());
        }
        // The length limits cut what can be typed: 100 never reaches a latitude box.
        QTest::keyClicks(Edit(form, "latitudeDegreesEdit"), QStringLiteral("100"));
        QCOMPARE(Text(form, "latitudeDegreesEdit"), QStringLiteral("10"));
        QTest::keyClicks(Edit(form, "longitudeDegreesEdit"), QStringLiteral("1795"));
        QCOMPARE(Text(form, "longitudeDegreesEdit"), QStringLiteral("179"));
        QVERIFY(platform.messages.isEmpty());
    }

    void typedNumbersPickTheirRowNotTheNextOneStartingAlike()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ShowActive(form);
        auto* hour = Child<QComboBox>(form, "hourBox");
        hour->setCurrentText(QStringLiteral("12"));
        QTest::keyClick(hour, Qt::Key_1);
        QCOMPARE(hour->currentText(), QStringLiteral("1"));
        // Digits typed in quick succession make one number.
        QTest::qWait(QApplication::keyboardInputInterval() + 100);
        QTest::keyClicks(hour, QStringLiteral("13"));
        QCOMPARE(hour->currentText(), QStringLiteral("13"));
        auto* day = Child<QComboBox>(form, "dayBox");
        QTest::keyClicks(day, QStringLiteral("31"));
        QCOMPARE(day->currentText(), QStringLiteral("31"));
        auto* year = Child<QComboBox>(form, "yearBox");
        QTest::keyClicks(year, QStringLiteral("1985"));
        QCOMPARE(year->currentText(), QStringLiteral("1985"));
        QVERIFY(platform.messages.isEmpty());
    }

    void localMeanTimeIsThePlacesOwnAndFollowsHistory()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        BirthFormInput in;
        in.monthIndex = 9;
        in.day = 2;
        in.year = 1869;
        in.hour = 7;
        in.minute = 12;
        form.setInput(in);
        auto* box = Child<QCheckBox>(form, "meanTimeBox");
        QVERIFY(!box->isChecked());

        // Asia/Kolkata kept Howrah's mean time in 1869: Porbandar keeps its own, 69.60929° E = +04:38:26.
        const atlas::Place porbandar{"Porbandar", "Gujarat", "India", "IN", "Asia/Kolkata", 21.64219, 69.60929, 0};
        emit Child<PlaceField>(form, "placeEdit")->placeChosen(porbandar);
        QVERIFY(box->isChecked());
        QCOMPARE(form.input().exactOffsetSeconds, std::optional<int>(4 * 3600 + 38 * 60 + 26));
        QVERIFY(!Child<QComboBox>(form, "zoneBox")->isEnabled());

        // Standard time by 1980: history unticks what it ticked.
        Child<QComboBox>(form, "yearBox")->setCurrentText(QStringLiteral("1980"));
        QVERIFY(!box->isChecked());
        QCOMPARE(form.input().exactOffsetSeconds, std::nullopt);
        QCOMPARE(form.input().zoneRow, 34);

        // Ticked by hand it stays, whatever the date.
        box->click();
        Child<QComboBox>(form, "yearBox")->setCurrentText(QStringLiteral("1981"));
        QVERIFY(box->isChecked());
        QCOMPARE(form.input().exactOffsetSeconds, std::optional<int>(4 * 3600 + 38 * 60 + 26));
    }

    void tabMovesThroughTheRowsInLayoutOrder()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        QList<QWidget*> expected;
        for (const QString& name : ChainNames) {
            expected << form.findChild<QWidget*>(name);
        }
        QList<QWidget*> chain;
        QWidget* w = expected.front();
        do {
            if (expected.contains(w)) {
                chain << w;
            }
            w = w->nextInFocusChain();
        } while (w != expected.front() && chain.size() < expected.size());
        QCOMPARE(chain, expected);

        // And a real Tab press moves from the latitude minutes on, as laid out.
        ShowActive(form);
        QLineEdit* minutes = Edit(form, "latitudeMinutesEdit");
        minutes->setFocus();
        QTest::keyClick(minutes, Qt::Key_Tab);
        QCOMPARE(form.focusWidget(), Child<QWidget>(form, "latitudeSecondsEdit"));
        QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
        QCOMPARE(form.focusWidget(), Child<QWidget>(form, "northButton"));
    }
};

QTEST_MAIN(BirthFormFieldsTest)
#include "tst_birthformfields.moc"
