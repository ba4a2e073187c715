// The line under the zone: history sets the row and box or an exact offset,
// the date and time re-read it, the user's own choice wins with a warning,
// and a reading that happened twice or never waits for the user to pick.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "app/BirthFormWindow.h"
#include "app/ZoneHistoryLine.h"
#include "presentation/ChartSession.h"
#include "tests/app/AppTestSupport.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

BirthFormInput At(int year, int month, int day, int hour, int minute)
{
    BirthFormInput in = Delhi1980Form();
    in.year = year;
    in.monthIndex = month - 1;
    in.day = day;
    in.hour = hour;
    in.minute = minute;
    return in;
}

struct Form {
    RecordingPlatform platform;
    BirthFormWindow window{platform};
    ZoneHistoryLine* line = Child<ZoneHistoryLine>(window, "zoneHistoryLine");
    QComboBox* zone = Child<QComboBox>(window, "zoneBox");
    QCheckBox* daylight = Child<QCheckBox>(window, "daylightSavingBox");
    QLabel* status = Child<QLabel>(window, "zoneHistoryLabel");
    QPushButton* earlier = Child<QPushButton>(window, "earlierOffsetButton");
    QPushButton* later = Child<QPushButton>(window, "laterOffsetButton");

    Form() { window.show(); }
};

}  // namespace

class ZoneHistoryLineTest : public QObject {
    Q_OBJECT

private slots:
    void hiddenUntilAPlaceIsChosen()
    {
        Form form;
        QVERIFY(!form.line->isVisible());
        QCOMPARE(form.window.zoneId(), std::string());
        QCOMPARE(form.zone->count(), 71);
        const int height = form.window.height();
        form.window.setInput(Delhi1980Form());
        form.line->setPlace(QStringLiteral("New Delhi"), "Asia/Kolkata");
        QVERIFY(form.line->isVisible());
        // The window grows to show the line.
        QTRY_VERIFY(form.window.height() > height);
        QCOMPARE(form.status->text(), QStringLiteral("New Delhi, 15 Jun 1980 06:30: IST, UT+05:30"));
        QCOMPARE(form.zone->currentIndex(), 34);
        // A saved chart keeps the zone it was read from.
        QCOMPARE(form.window.zoneId(), std::string("Asia/Kolkata"));
    }

    void exactOffsetReachesUniversalTimeAndIsRestored()
    {
        Form form;
        form.window.setInput(At(1990, 8, 15, 6, 30));
        form.line->setPlace(QStringLiteral("Kathmandu"), "Asia/Kathmandu");
        QCOMPARE(form.zone->count(), 72);
        QCOMPARE(form.zone->currentText(), QStringLiteral("Kathmandu: UT+05:45 (from time-zone history)"));
        QVERIFY(!form.daylight->isEnabled());
        const BirthFormInput in = form.window.input();
        QCOMPARE(in.exactOffsetSeconds, std::optional<int>(5 * 3600 + 45 * 60));

        // 06:30 at +05:45 is 00:45 UT.
        ChartSession session;
        const UtcDateTime utc = session.run(in).chart.moment.utc;
        QCOMPARE(utc, (UtcDateTime{1990, 8, 15, 0, 45, 0}));

        Form again;
        again.window.setInput(in);
        QCOMPARE(again.window.input().exactOffsetSeconds, in.exactOffsetSeconds);
        QCOMPARE(again.zone->currentText(), QStringLiteral("UT+05:45 (exact offset)"));
        // A plain input drops the entry again.
        again.window.setInput(Delhi1980Form());
        QCOMPARE(again.zone->count(), 71);
        QCOMPARE(again.window.input().exactOffsetSeconds, std::nullopt);
    }

    void dateAndTimeReReadHistory()
    {
        Form form;
        form.window.setInput(At(1901, 6, 1, 12, 0));
        form.line->setPlace(QStringLiteral("Kolkata"), "Asia/Kolkata");
        QCOMPARE(form.zone->currentText(), QStringLiteral("Kolkata: MMT, UT+05:21:10 (from time-zone history)"));
        QCOMPARE(form.window.input().exactOffsetSeconds, std::optional<int>(5 * 3600 + 21 * 60 + 10));

        // War time, 1942: IST with the box ticked; the exact entry goes.
        Child<QComboBox>(form.window, "yearBox")->setCurrentText(QStringLiteral("1942"));
        Child<QComboBox>(form.window, "monthBox")->setCurrentIndex(11);
        QCOMPARE(form.zone->count(), 71);
        QCOMPARE(form.zone->currentIndex(), 34);
        QVERIFY(form.daylight->isChecked());
        QCOMPARE(form.window.input().exactOffsetSeconds, std::nullopt);
        QCOMPARE(form.status->text(), QStringLiteral("Kolkata, 1 Dec 1942 12:00: UT+06:30"));
    }

    void theUsersOwnChoiceWinsWithAWarning()
    {
        Form form;
        form.window.setInput(Delhi1980Form());
        form.line->setPlace(QStringLiteral("New Delhi"), "Asia/Kolkata");
        form.daylight->click();
        QCOMPARE(form.status->text(), QStringLiteral("⚠ New Delhi, 15 Jun 1980 06:30: history says IST, UT+05:30,\n"
                                                     "the form says UT+06:30; the form's choice is used"));
        // Another time of day keeps the user's choice.
        Child<QComboBox>(form.window, "hourBox")->setCurrentText(QStringLiteral("7"));
        QVERIFY(form.window.input().daylightSaving);
        QCOMPARE(form.window.input().zoneRow, 34);
        QVERIFY(form.status->text().startsWith(QStringLiteral("⚠ New Delhi, 15 Jun 1980 07:30")));

        form.daylight->click();
        QCOMPARE(form.status->text(), QStringLiteral("New Delhi, 15 Jun 1980 07:30: IST, UT+05:30"));
    }

    void repeatedAndSkippedReadingsOfferBothOffsets()
    {
        Form form;
        form.window.setInput(At(2007, 11, 4, 1, 30));
        form.line->setPlace(QStringLiteral("New York City"), "America/New_York");
        QCOMPARE(form.status->text(),
                 QStringLiteral("New York City, 4 Nov 2007 01:30 happened twice (clocks went back):"));
        QCOMPARE(form.earlier->text(), QStringLiteral("earlier (EDT, UT\u221204:00)"));
        QCOMPARE(form.later->text(), QStringLiteral("later (EST, UT\u221205:00)"));
        // Nothing is picked for the user.
        QCOMPARE(form.zone->currentIndex(), 34);
        QVERIFY(!form.earlier->isChecked() && !form.later->isChecked());

        form.later->click();
        QCOMPARE(form.zone->currentText(), QStringLiteral("Eastern Standard Time,EST,-5.0"));
        QVERIFY(!form.daylight->isChecked());
        QVERIFY(form.later->isChecked() && !form.earlier->isChecked());
        form.earlier->click();
        QVERIFY(form.daylight->isChecked());
        QVERIFY(form.earlier->isChecked() && !form.later->isChecked());

        form.window.setInput(At(2023, 3, 26, 1, 30));
        form.line->setPlace(QStringLiteral("London"), "Europe/London");
        QCOMPARE(form.status->text(),
                 QStringLiteral("London, 26 Mar 2023 01:30 never happened (clocks went forward):"));
        QCOMPARE(form.earlier->text(), QStringLiteral("as GMT (01:30 GMT = 02:30 BST)"));
        QCOMPARE(form.later->text(), QStringLiteral("as BST (01:30 BST = 00:30 GMT)"));
    }

    void aSkippedReadingWaitsForTheUserAtProceed()
    {
        Form form;
        form.window.setInput(At(2021, 3, 14, 2, 30));
        form.line->setPlace(QStringLiteral("New York"), "America/New_York");
        QCOMPARE(form.status->text(),
                 QStringLiteral("New York, 14 Mar 2021 02:30 never happened (clocks went forward):"));
        QCOMPARE(form.earlier->text(), QStringLiteral("as EST (02:30 EST = 03:30 EDT)"));
        QCOMPARE(form.later->text(), QStringLiteral("as EDT (02:30 EDT = 01:30 EST)"));

        form.window.proceed();
        QVERIFY(form.window.resultsWindow() == nullptr);
        QCOMPARE(form.platform.messages.size(), 1);
        QCOMPARE(form.platform.messages.front().text,
                 QStringLiteral("14 Mar 2021 02:30 never happened in New York: the clocks went forward. Choose under "
                                "the zone: as EST (02:30 EST = 03:30 EDT) or as EDT (02:30 EDT = 01:30 EST)."));
        form.platform.messages.clear();

        form.later->click();
        form.window.proceed();
        QVERIFY(form.platform.messages.isEmpty());
        QVERIFY(form.window.resultsWindow() != nullptr);
        QCOMPARE(form.zone->currentText(), QStringLiteral("Eastern Standard Time,EST,-5.0"));
        QVERIFY(form.daylight->isChecked());
    }
};

QTEST_MAIN(ZoneHistoryLineTest)
#include "tst_zonehistoryline.moc"
