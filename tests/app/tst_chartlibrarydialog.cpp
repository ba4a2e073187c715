// The Open Chart dialog: newest first, search by name, date and place,
// rename in place, delete after a question, open with Enter or a double click.
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/ChartLibraryDialog.h"
#include "tests/app/LibraryFixture.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

QStringList Names(const ChartLibraryDialog& dialog)
{
    QStringList names;
    const auto* list = Child<QTreeWidget>(dialog, "chartList");
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        names << list->topLevelItem(row)->text(0);
    }
    return names;
}

void Fill(LibraryFixture& fixture)
{
    fixture.add("ASHA", 1980, "New Delhi");
    fixture.add("Ravi", 1975, "Mumbai");
    fixture.add("Meera & Co", 1990, "Chennai");
}

}  // namespace

class ChartLibraryDialogTest : public QObject {
    Q_OBJECT

private slots:
    void listsNewestFirstAndSearchesNameDateAndPlace()
    {
        LibraryFixture fixture;
        Fill(fixture);
        RecordingPlatform platform;
        ChartLibraryDialog dialog(fixture.library(), platform);
        QCOMPARE(Names(dialog), (QStringList{"Meera & Co", "Ravi", "ASHA"}));

        auto* search = Child<QLineEdit>(dialog, "searchEdit");
        search->setText(QStringLiteral("mumb"));
        QCOMPARE(Names(dialog), QStringList{"Ravi"});
        search->setText(QStringLiteral("1980-06"));
        QCOMPARE(Names(dialog), QStringList{"ASHA"});
        search->setText(QStringLiteral("asha"));
        QCOMPARE(Names(dialog), QStringList{"ASHA"});
        search->setText(QStringLiteral("nowhere"));
        QVERIFY(Names(dialog).isEmpty());
        QVERIFY(!Child<QPushButton>(dialog, "openButton")->isEnabled());
        QVERIFY(!Child<QPushButton>(dialog, "deleteButton")->isEnabled());
        QVERIFY(platform.messages.isEmpty());
    }

    void renamesInPlace()
    {
        LibraryFixture fixture;
        Fill(fixture);
        RecordingPlatform platform;
        ChartLibraryDialog dialog(fixture.library(), platform);
        auto* list = Child<QTreeWidget>(dialog, "chartList");
        list->topLevelItem(2)->setText(0, QStringLiteral("Asha Devi"));
        QTRY_COMPARE(Names(dialog).first(), QStringLiteral("Asha Devi"));
        QVERIFY(fixture.library().findByName("Asha Devi")->has_value());
        QVERIFY(!fixture.library().findByName("ASHA")->has_value());

        // An emptied name is no name: the old one comes back.
        list->topLevelItem(0)->setText(0, QStringLiteral("  "));
        QTRY_COMPARE(Names(dialog).first(), QStringLiteral("Asha Devi"));
    }

    void deletesOnlyAfterTheUserAgrees()
    {
        LibraryFixture fixture;
        Fill(fixture);
        RecordingPlatform platform;
        ChartLibraryDialog dialog(fixture.library(), platform);
        auto* list = Child<QTreeWidget>(dialog, "chartList");
        list->setCurrentItem(list->topLevelItem(1));

        platform.nextAnswer = Platform::Answer::No;
        QTest::mouseClick(Child<QPushButton>(dialog, "deleteButton"), Qt::LeftButton);
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.front().buttons, Platform::Buttons::YesNo);
        QVERIFY(platform.messages.front().text.contains(QStringLiteral("\"Ravi\"")));
        QCOMPARE(fixture.library().list()->size(), 3u);

        platform.nextAnswer = Platform::Answer::Yes;
        QTest::mouseClick(Child<QPushButton>(dialog, "deleteButton"), Qt::LeftButton);
        QCOMPARE(Names(dialog), (QStringList{"Meera & Co", "ASHA"}));
        QCOMPARE(fixture.library().list()->size(), 2u);
    }

    void opensWithEnterOrADoubleClick()
    {
        LibraryFixture fixture;
        Fill(fixture);
        RecordingPlatform platform;
        {
            ChartLibraryDialog dialog(fixture.library(), platform);
            ShowActive(dialog);
            auto* list = Child<QTreeWidget>(dialog, "chartList");
            list->setFocus();
            list->setCurrentItem(list->topLevelItem(1));
            QTest::keyClick(list, Qt::Key_Return);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(dialog.selectedChart());
            QCOMPARE(dialog.selectedChart()->form.name, std::string("Ravi"));
            QCOMPARE(dialog.selectedChart()->form.year, 1975);
        }
        {
            ChartLibraryDialog dialog(fixture.library(), platform);
            ShowActive(dialog);
            auto* list = Child<QTreeWidget>(dialog, "chartList");
            const QRect row = list->visualItemRect(list->topLevelItem(2));
            SendMouse(list->viewport(), QEvent::MouseButtonPress, Qt::LeftButton, row.center());
            SendMouse(list->viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, row.center());
            SendMouse(list->viewport(), QEvent::MouseButtonDblClick, Qt::LeftButton, row.center());
            QVERIFY(dialog.selectedChart());
            QCOMPARE(dialog.selectedChart()->form.name, std::string("ASHA"));
        }
        {
            // Enter in the search box opens the first match.
            ChartLibraryDialog dialog(fixture.library(), platform);
            ShowActive(dialog);
            auto* search = Child<QLineEdit>(dialog, "searchEdit");
            search->setText(QStringLiteral("chennai"));
            QTest::keyClick(search, Qt::Key_Return);
            QVERIFY(dialog.selectedChart());
            QCOMPARE(dialog.selectedChart()->form.name, std::string("Meera & Co"));
        }
        QVERIFY(platform.messages.isEmpty());
    }
};

QTEST_MAIN(ChartLibraryDialogTest)
#include "tst_chartlibrarydialog.moc"
