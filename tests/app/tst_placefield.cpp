// The place box as a user meets it: the atlas arrives in the background,
// typing offers folded matches, and picking one fills the birth form.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "app/BirthFormWindow.h"
#include "app/PlaceField.h"
#include "tests/app/AppTestSupport.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

/// Types `text` into a fresh query and gives the popup's rows.
QStringList Offered(PlaceField& field, const QString& text)
{
    field.clear();
    QTest::keyClicks(&field, text);
    QAbstractItemView* popup = field.findChild<QCompleter*>()->popup();
    QStringList rows;
    if (!popup->isVisible())
        return rows;
    for (int row = 0; row < popup->model()->rowCount(); ++row)
        rows << popup->model()->index(row, 0).data().toString();
    return rows;
}

QString Text(const QObject& form, const char* name)
{
    return Child<QLineEdit>(form, name)->text();
}

constexpr int AtlasWaitMs = 60000;

}  // namespace

class PlaceFieldTest : public QObject {
    Q_OBJECT

private slots:
    void completesFoldedNamesOnceTheAtlasIsIn()
    {
        PlaceField field;
        field.show();
        // The atlas is read on a background thread; on a loaded machine that
        // takes longer than QTRY's default five seconds.
        QTRY_VERIFY_WITH_TIMEOUT(field.isReady(), AtlasWaitMs);
        QVERIFY(field.isEnabled());

        QCOMPARE(Offered(field, QStringLiteral("Berk")).value(0), QStringLiteral("Berkeley, California, United States"));
        QVERIFY(Offered(field, QStringLiteral("zurich")).contains(QStringLiteral("Zürich, Zurich, Switzerland")));
        QCOMPARE(Offered(field, QStringLiteral("SAO PAULO")).value(0), QStringLiteral("São Paulo, São Paulo, Brazil"));
        // An old name finds today's place.
        QCOMPARE(Offered(field, QStringLiteral("Calcutta")).value(0), QStringLiteral("Kolkata, West Bengal, India"));
        QVERIFY(Offered(field, QStringLiteral("Qxzqxz")).isEmpty());
    }

    void pickingAPlaceFillsTheFormAndItsZone()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        BirthFormInput in;
        in.monthIndex = 2;
        in.day = 22;
        in.year = 2007;
        in.hour = 10;
        form.setInput(in);
        auto* field = Child<PlaceField>(form, "placeEdit");
        QSignalSpy chosen(field, &PlaceField::placeChosen);
        form.show();
        QTRY_VERIFY_WITH_TIMEOUT(field->isReady(), AtlasWaitMs);

        QTest::keyClicks(field, QStringLiteral("Berkeley, Cal"));
        QAbstractItemView* popup = field->findChild<QCompleter*>()->popup();
        QVERIFY(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        QCOMPARE(chosen.size(), 1);

        QCOMPARE(field->text(), QStringLiteral("Berkeley, California, United States"));
        QCOMPARE(Text(form, "cityEdit"), QStringLiteral("Berkeley"));
        QCOMPARE(Text(form, "stateEdit"), QStringLiteral("California"));
        QCOMPARE(Text(form, "countryEdit"), QStringLiteral("United States"));
        // 37.87159 N, 122.27275 W exactly: seconds to three decimals.
        QCOMPARE(Text(form, "latitudeDegreesEdit"), QStringLiteral("37"));
        QCOMPARE(Text(form, "latitudeMinutesEdit"), QStringLiteral("52"));
        QCOMPARE(Text(form, "latitudeSecondsEdit"), QStringLiteral("17.724"));
        QCOMPARE(Text(form, "longitudeSecondsEdit"), QStringLiteral("21.900"));
        QVERIFY(Child<QRadioButton>(form, "northButton")->isChecked());
        QCOMPARE(Text(form, "longitudeDegreesEdit"), QStringLiteral("122"));
        QCOMPARE(Text(form, "longitudeMinutesEdit"), QStringLiteral("16"));
        QVERIFY(Child<QRadioButton>(form, "westButton")->isChecked());

        // 2007 moved the start of daylight saving: PDT, said as PST with the box ticked.
        QCOMPARE(Child<QComboBox>(form, "zoneBox")->currentText(), QStringLiteral("Pacific Standard Time,PST,-8.0"));
        QVERIFY(Child<QCheckBox>(form, "daylightSavingBox")->isChecked());
        QCOMPARE(Child<QLabel>(form, "zoneHistoryLabel")->text(),
                 QStringLiteral("Berkeley, 22 Mar 2007 10:00: PDT, UT\u221207:00"));
        QCOMPARE(form.input().exactOffsetSeconds, std::nullopt);
    }
};

QTEST_MAIN(PlaceFieldTest)
#include "tst_placefield.moc"
