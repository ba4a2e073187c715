// The Open Chart dialog: newest first, search by name, date and place,
// rename in place, delete after a question, open with Enter or a double click.
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

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

}  // namespace

class ChartLibraryDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Three charts, saved in this order.
    void init()
    {
        fixture_ = std::make_unique<LibraryFixture>();
        fixture_->add("ASHA", 1980, "New Delhi");
        fixture_->add("Ravi", 1975, "Mumbai");
        fixture_->add("Meera & Co", 1990, "Chennai");
        platform_ = RecordingPlatform();
    }
    void cleanup() { fixture_.reset(); }

    void listsNewestFirstAndSearchesNameDateAndPlace()
    {
        ChartLibraryDialog dialog(fixture_->library(), platform_);
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
        QVERIFY(platform_.messages.isEmpty());
    }

    void renamesInPlace()
    {
        ChartLibraryDialog dialog(fixture_->library(), platform_);
        auto* list = Child<QTreeWidget>(dialog, "chartList");
        list->topLevelItem(2)->setText(0, QStringLiteral("Asha Devi"));
        QTRY_COMPARE(Names(dialog).first(), QStringLiteral("Asha Devi"));
        QVERIFY(fixture_->library().findByName("Asha Devi")->has_value());
        QVERIFY(!fixture_->library().findByName("ASHA")->has_value());

        // An emptied name is no name: the old one comes back.
        list->topLevelItem(0)->setText(0, QStringLiteral("  "));
        QTRY_COMPARE(Names(dialog).first(), QStringLiteral("Asha Devi"));
    }

    void deletesOnlyAfterTheUserAgrees()
    {
        ChartLibraryDialog dialog(fixture_->library(), platform_);
        auto* list = Child<QTreeWidget>(dialog, "chartList");
        list->setCurrentItem(list->topLevelItem(1));

        platform_.nextAnswer = Platform::Answer::No;
        QTest::mouseClick(Child<QPushButton>(dialog, "deleteButton"), Qt::LeftButton);
        QCOMPARE(platform_.messages.size(), 1);
        QCOMPARE(platform_.messages.front().buttons, Platform::Buttons::YesNo);
        QVERIFY(platform_.messages.front().text.contains(QStringLiteral("\"Ravi\"")));
        QCOMPARE(fixture_->library().list()->size(), 3u);

        platform_.nextAnswer = Platform::Answer::Yes;
        QTest::mouseClick(Child<QPushButton>(dialog, "deleteButton"), Qt::LeftButton);
        QCOMPARE(Names(dialog), (QStringList{"Meera & Co", "ASHA"}));
        QCOMPARE(fixture_->library().list()->size(), 2u);
    }

    void opensWithEnterOrADoubleClick()
    {
        {
            ChartLibraryDialog dialog(fixture_->library(), platform_);
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
            ChartLibraryDialog dialog(fixture_->library(), platform_);
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
            ChartLibraryDialog dialog(fixture_->library(), platform_);
            ShowActive(dialog);
            auto* search = Child<QLineEdit>(dialog, "searchEdit");
            search->setText(QStringLiteral("chennai"));
            QTest::keyClick(search, Qt::Key_Return);
            QVERIFY(dialog.selectedChart());
            QCOMPARE(dialog.selectedChart()->form.name, std::string("Meera & Co"));
        }
        QVERIFY(platform_.messages.isEmpty());
    }

private:
    std::unique_ptr<LibraryFixture> fixture_;
    RecordingPlatform platform_;
};

QTEST_MAIN(ChartLibraryDialogTest)
#include "tst_chartlibrarydialog.moc"
