// The update reminder: at most one question a fortnight, the date kept in
// the user's settings, and the question's line break.
#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/AppConfig.h"
#include "app/UpdateReminder.h"
#include "app/platform/QtPlatform.h"
#include "tests/app/RecordingPlatform.h"

using namespace zodiora;
using zodiora::test::RecordingPlatform;

namespace {

const QString ReminderQuestion =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");
const QDate Today(2024, 3, 15);

QString StoredDate(QSettings& settings)
{
    return settings.value(QStringLiteral("lastReminderDate")).toString();
}

}  // namespace

class UpdateReminderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void reminderAtFirstStartStoresTodayAndAsksNothing();
    void reminderWithinFourteenDaysAsksNothing_data();
    void reminderWithinFourteenDaysAsksNothing();
    void reminderAfterFifteenDaysAsks_data();
    void reminderAfterFifteenDaysAsks();
    void reminderTreatsAnUnreadableDateAsFirstStart_data();
    void reminderTreatsAnUnreadableDateAsFirstStart();
    void reminderUsesTheUserSettings();
    void reminderQuestionShowsItsCarriageReturnAsALineBreak();

private:
    QTemporaryDir dir_;
    std::unique_ptr<QSettings> settings_;
};

void UpdateReminderTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void UpdateReminderTest::init()
{
    settings_ = std::make_unique<QSettings>(dir_.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    settings_->clear();
}

void UpdateReminderTest::reminderAtFirstStartStoresTodayAndAsksNothing()
{
    RecordingPlatform platform;
    UpdateReminder(platform).remind(*settings_, Today);
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(platform.openedUrls.isEmpty());
    QCOMPARE(StoredDate(*settings_), QStringLiteral("2024-03-15"));
}

void UpdateReminderTest::reminderWithinFourteenDaysAsksNothing_data()
{
    QTest::addColumn<int>("storedDaysFromToday");
    QTest::newRow("same day") << 0;
    QTest::newRow("14 days ago") << -14;
    QTest::newRow("14 days ahead") << 14;
}

void UpdateReminderTest::reminderWithinFourteenDaysAsksNothing()
{
    QFETCH(int, storedDaysFromToday);
    const QString stored = Today.addDays(storedDaysFromToday).toString(Qt::ISODate);
    settings_->setValue(QStringLiteral("lastReminderDate"), stored);
    RecordingPlatform platform;
    UpdateReminder(platform).remind(*settings_, Today);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(StoredDate(*settings_), stored);  // the date is kept, so the fortnight still counts from it
}

void UpdateReminderTest::reminderAfterFifteenDaysAsks_data()
{
    QTest::addColumn<QDate>("stored");
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("15 days ago, Yes") << Today.addDays(-15) << true;
    QTest::newRow("15 days ago, No") << Today.addDays(-15) << false;
    QTest::newRow("a year ago, No") << Today.addYears(-1) << false;
    QTest::newRow("clock set back 15 days, Yes") << Today.addDays(15) << true;
    QTest::newRow("clock set back a year, No") << Today.addYears(1) << false;
}

void UpdateReminderTest::reminderAfterFifteenDaysAsks()
{
    QFETCH(QDate, stored);
    QFETCH(bool, answerYes);
    settings_->setValue(QStringLiteral("lastReminderDate"), stored.toString(Qt::ISODate));
    RecordingPlatform platform;
    platform.nextAnswer = answerYes ? Platform::Answer::Yes : Platform::Answer::No;
    UpdateReminder(platform).remind(*settings_, Today);

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.constFirst().text, ReminderQuestion);
    QCOMPARE(platform.messages.constFirst().icon, Platform::Icon::Information);
    QCOMPARE(platform.messages.constFirst().buttons, Platform::Buttons::YesNo);
    QCOMPARE(StoredDate(*settings_), QStringLiteral("2024-03-15"));
    const QList<QUrl> expectedPages =
        answerYes ? QList<QUrl>{QUrl(QStringLiteral(ZODIORA_DOWNLOAD_URL))} : QList<QUrl>{};
    QCOMPARE(platform.openedUrls, expectedPages);

    // Asked once: the next start the same day asks nothing.
    UpdateReminder(platform).remind(*settings_, Today);
    QCOMPARE(platform.messages.size(), 1);
}

void UpdateReminderTest::reminderTreatsAnUnreadableDateAsFirstStart_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("not a date") << QVariant(QStringLiteral("next Tuesday"));
    QTest::newRow("impossible date") << QVariant(QStringLiteral("2023-02-30"));
    QTest::newRow("empty text") << QVariant(QString());
    QTest::newRow("a number") << QVariant(45000);
}

void UpdateReminderTest::reminderTreatsAnUnreadableDateAsFirstStart()
{
    QFETCH(QVariant, stored);
    settings_->setValue(QStringLiteral("lastReminderDate"), stored);
    RecordingPlatform platform;
    UpdateReminder(platform).remind(*settings_, Today);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(StoredDate(*settings_), QStringLiteral("2024-03-15"));
}

void UpdateReminderTest::reminderUsesTheUserSettings()
{
    // Test mode keeps these settings away from the real user's.
    QSettings user(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zodiora"), QStringLiteral("Zodiora"));
    user.clear();
    user.sync();
    RecordingPlatform platform;
    UpdateReminder(platform).remind();
    QVERIFY(platform.messages.isEmpty());
    user.sync();
    QCOMPARE(StoredDate(user), QDate::currentDate().toString(Qt::ISODate));
    user.clear();
}

void UpdateReminderTest::reminderQuestionShowsItsCarriageReturnAsALineBreak()
{
    QtPlatform platform;
    QString shown;
    int shownLines = 0;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        shown = label->text();
        shownLines = label->height() / label->fontMetrics().lineSpacing();
        box->button(QMessageBox::No)->click();
    });
    poll.start();
    const Platform::Answer answer =
        platform.showMessage(nullptr, UpdateReminder::question(), Platform::Icon::Information, Platform::Buttons::YesNo);
    poll.stop();
    QCOMPARE(answer, Platform::Answer::No);
    QCOMPARE(UpdateReminder::question(), ReminderQuestion);
    QCOMPARE(shown, QString(ReminderQuestion).replace(u'\r', u'\n'));
    QCOMPARE(shownLines, 2);
}

QTEST_MAIN(UpdateReminderTest)
#include "tst_updatereminder.moc"
