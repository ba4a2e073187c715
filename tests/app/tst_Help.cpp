// Help pages, the Help menu, the about box and the update reminder.

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "AppConfig.h"
#include "FrmAbout.h"
#include "HelpMenu.h"
#include "ModHelp.h"
#include "RecordingPlatform.h"
#include "platform/QtPlatform.h"

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

QStringList ActionTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return texts;
}

}  // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void homeAndDownloadPagesOpenTheConfiguredAddresses();
    void helpPageIsTheShippedGuideUnlessAnAddressIsConfigured();
    void helpPageFindsAnInstalledGuide();
    void userGuideIsCopiedBesideTheProgram();
    void helpMenuHasTheEntriesInOrderAndOpensThePages();
    void helpMenuIsTheSameOnEveryWindow();

    void aboutBoxTexts();
    void aboutBoxLinkOpensHomePageAndOkCloses();
    void aboutBoxIsShownModally();

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

void TestHelp::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestHelp::init()
{
    settings_ = std::make_unique<QSettings>(dir_.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    settings_->clear();
}

void TestHelp::homeAndDownloadPagesOpenTheConfiguredAddresses()
{
    RecordingPlatform platform;
    OpenHomePage(platform);
    OpenDownloadPage(platform);
    QCOMPARE(platform.openedUrls,
             (QList<QUrl>{QUrl(QStringLiteral(ZODIORA_HOME_URL)), QUrl(QStringLiteral(ZODIORA_DOWNLOAD_URL))}));
}

void TestHelp::helpPageIsTheShippedGuideUnlessAnAddressIsConfigured()
{
    QTemporaryDir programDir;
    QFile guide(QDir(programDir.path()).filePath(QStringLiteral("user-guide.html")));
    QVERIFY(guide.open(QIODevice::WriteOnly));
    guide.close();
    const QUrl local = HelpPageUrl(QString(), programDir.path());
    QVERIFY(local.isLocalFile());
    QCOMPARE(QFileInfo(local.toLocalFile()).canonicalFilePath(), QFileInfo(guide).canonicalFilePath());
    QCOMPARE(HelpPageUrl(QStringLiteral("https://help.example.com/zodiora"), programDir.path()),
             QUrl(QStringLiteral("https://help.example.com/zodiora")));

    RecordingPlatform platform;
    OpenHelpPage(platform);
    QCOMPARE(platform.openedUrls.size(), 1);
    if (QStringLiteral(ZODIORA_HELP_URL).isEmpty()) {
        QVERIFY(platform.openedUrls.constFirst().isLocalFile());
        QVERIFY(platform.openedUrls.constFirst().toLocalFile().endsWith(QStringLiteral("/user-guide.html")));
    } else {
        QCOMPARE(platform.openedUrls.constFirst(), QUrl(QStringLiteral(ZODIORA_HELP_URL)));
    }
}

void TestHelp::helpPageFindsAnInstalledGuide()
{
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/zodiora")));
    const QString installed = QDir(prefix.path()).filePath(QStringLiteral("share/zodiora/user-guide.html"));
    QFile guide(installed);
    QVERIFY(guide.open(QIODevice::WriteOnly));
    guide.close();
    const QUrl url = HelpPageUrl(QString(), QDir(prefix.path()).filePath(QStringLiteral("bin")));
    QCOMPARE(QFileInfo(url.toLocalFile()).canonicalFilePath(), QFileInfo(installed).canonicalFilePath());
}

void TestHelp::userGuideIsCopiedBesideTheProgram()
{
    QFile guide(QStringLiteral(ZODIORA_APP_BUILD_DIR "/user-guide.html"));
    QVERIFY2(guide.open(QIODevice::ReadOnly), qPrintable(guide.fileName()));
    const QString html = QString::fromUtf8(guide.readAll());
    QVERIFY(html.contains(QStringLiteral("<title>")));
    QVERIFY(html.contains(QStringLiteral("daylight")));
}

void TestHelp::helpMenuHasTheEntriesInOrderAndOpensThePages()
{
    RecordingPlatform platform;
    QMenuBar bar;
    QMenu* menu = AddHelpMenu(&bar, platform, &bar);
    QCOMPARE(menu->title(), QStringLiteral("&Help"));
    QCOMPARE(menu->objectName(), QStringLiteral("mnuHelp"));
    QCOMPARE(ActionTexts(menu), (QStringList{QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"),
                                             QStringLiteral("-"), QStringLiteral("Check for Software &Update"),
                                             QStringLiteral("-"), QStringLiteral("&About Software")}));
    menu->findChild<QAction*>(QStringLiteral("mnuVisit"))->trigger();
    menu->findChild<QAction*>(QStringLiteral("mnuUpdate"))->trigger();
    menu->findChild<QAction*>(QStringLiteral("mnuOnline"))->trigger();
    QCOMPARE(platform.openedUrls.size(), 3);
    QCOMPARE(platform.openedUrls.at(0), QUrl(QStringLiteral(ZODIORA_HOME_URL)));
    QCOMPARE(platform.openedUrls.at(1), QUrl(QStringLiteral(ZODIORA_DOWNLOAD_URL)));
    QCOMPARE(platform.openedUrls.at(2),
             HelpPageUrl(QStringLiteral(ZODIORA_HELP_URL), QCoreApplication::applicationDirPath()));
}

void TestHelp::helpMenuIsTheSameOnEveryWindow()
{
    RecordingPlatform platform;
    QMenuBar mainBar;
    QMenuBar formBar;
    const QMenu* mainMenu = AddHelpMenu(&mainBar, platform, &mainBar);
    const QMenu* formMenu = AddHelpMenu(&formBar, platform, &formBar);
    QCOMPARE(ActionTexts(mainMenu), ActionTexts(formMenu));

    bool aboutShown = false;
    QTimer::singleShot(0, this, [&] {
        if (auto* about = qobject_cast<FrmAbout*>(QApplication::activeModalWidget())) {
            aboutShown = true;
            about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        }
    });
    formMenu->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
    QVERIFY(aboutShown);
}

void TestHelp::aboutBoxTexts()
{
    RecordingPlatform platform;
    FrmAbout about(platform);
    QCOMPARE(about.windowTitle(), QStringLiteral("Zodiora v1.15"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Zodiora v1.15"));
    const QString description = about.findChild<QLabel*>(QStringLiteral("Label1"))->text();
    QVERIFY(description.startsWith(QStringLiteral(
        "Zodiora shows the positions of the planets in the twelve signs in your natal chart. "
        "The distribution of the planets in the different signs play an important role in "
        "interpreting the birth chart of an individual.")));
    QVERIFY(description.contains(QStringLiteral("All rights reserved.")));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblHomePage"))->text(),
             QStringLiteral("Click here to visit " ZODIORA_MAKER_ADDRESS));
    QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(), QStringLiteral("OK"));
    const QLabel* icon = about.findChild<QLabel*>(QStringLiteral("picIcon"));
    QVERIFY(!icon->pixmap().isNull());
    QVERIFY(icon->pixmap().toImage().pixelColor(icon->pixmap().width() / 2, icon->pixmap().height() / 2).alpha() > 0);
}

void TestHelp::aboutBoxLinkOpensHomePageAndOkCloses()
{
    RecordingPlatform platform;
    FrmAbout about(platform);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QLabel* link = about.findChild<QLabel*>(QStringLiteral("lblHomePage"));
    QTest::mouseClick(link, Qt::RightButton);
    QVERIFY(platform.openedUrls.isEmpty());
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(platform.openedUrls, QList<QUrl>{QUrl(QStringLiteral(ZODIORA_HOME_URL))});
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

void TestHelp::aboutBoxIsShownModally()
{
    RecordingPlatform platform;
    QWidget owner;
    bool wasModal = false;
    QTimer::singleShot(0, this, [&] {
        if (auto* about = qobject_cast<FrmAbout*>(QApplication::activeModalWidget())) {
            wasModal = about->parentWidget() == &owner;
            about->close();
        }
    });
    ShowAboutBox(platform, &owner);
    QVERIFY(wasModal);
}

void TestHelp::reminderAtFirstStartStoresTodayAndAsksNothing()
{
    RecordingPlatform platform;
    UpdateReminder(platform, *settings_, Today);
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(platform.openedUrls.isEmpty());
    QCOMPARE(StoredDate(*settings_), QStringLiteral("2024-03-15"));
}

void TestHelp::reminderWithinFourteenDaysAsksNothing_data()
{
    QTest::addColumn<int>("storedDaysFromToday");
    QTest::newRow("same day") << 0;
    QTest::newRow("14 days ago") << -14;
    QTest::newRow("14 days ahead") << 14;
}

void TestHelp::reminderWithinFourteenDaysAsksNothing()
{
    QFETCH(int, storedDaysFromToday);
    const QString stored = Today.addDays(storedDaysFromToday).toString(Qt::ISODate);
    settings_->setValue(QStringLiteral("lastReminderDate"), stored);
    RecordingPlatform platform;
    UpdateReminder(platform, *settings_, Today);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(StoredDate(*settings_), stored);  // the date is kept, so the fortnight still counts from it
}

void TestHelp::reminderAfterFifteenDaysAsks_data()
{
    QTest::addColumn<QDate>("stored");
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("15 days ago, Yes") << Today.addDays(-15) << true;
    QTest::newRow("15 days ago, No") << Today.addDays(-15) << false;
    QTest::newRow("a year ago, No") << Today.addYears(-1) << false;
    QTest::newRow("clock set back 15 days, Yes") << Today.addDays(15) << true;
    QTest::newRow("clock set back a year, No") << Today.addYears(1) << false;
}

void TestHelp::reminderAfterFifteenDaysAsks()
{
    QFETCH(QDate, stored);
    QFETCH(bool, answerYes);
    settings_->setValue(QStringLiteral("lastReminderDate"), stored.toString(Qt::ISODate));
    RecordingPlatform platform;
    platform.nextAnswer = answerYes ? Platform::Answer::Yes : Platform::Answer::No;
    UpdateReminder(platform, *settings_, Today);

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.constFirst().text, ReminderQuestion);
    QCOMPARE(platform.messages.constFirst().icon, Platform::Icon::Information);
    QCOMPARE(platform.messages.constFirst().buttons, Platform::Buttons::YesNo);
    QCOMPARE(StoredDate(*settings_), QStringLiteral("2024-03-15"));
    const QList<QUrl> expectedPages =
        answerYes ? QList<QUrl>{QUrl(QStringLiteral(ZODIORA_DOWNLOAD_URL))} : QList<QUrl>{};
    QCOMPARE(platform.openedUrls, expectedPages);

    // Asked once: the next start the same day asks nothing.
    UpdateReminder(platform, *settings_, Today);
    QCOMPARE(platform.messages.size(), 1);
}

void TestHelp::reminderTreatsAnUnreadableDateAsFirstStart_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("not a date") << QVariant(QStringLiteral("next Tuesday"));
    QTest::newRow("impossible date") << QVariant(QStringLiteral("2023-02-30"));
    QTest::newRow("empty text") << QVariant(QString());
    QTest::newRow("a number") << QVariant(45000);
}

void TestHelp::reminderTreatsAnUnreadableDateAsFirstStart()
{
    QFETCH(QVariant, stored);
    settings_->setValue(QStringLiteral("lastReminderDate"), stored);
    RecordingPlatform platform;
    UpdateReminder(platform, *settings_, Today);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(StoredDate(*settings_), QStringLiteral("2024-03-15"));
}

void TestHelp::reminderUsesTheUserSettings()
{
    // Test mode keeps these settings away from the real user's.
    QSettings user(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zodiora"), QStringLiteral("Zodiora"));
    user.clear();
    user.sync();
    RecordingPlatform platform;
    UpdateReminder(platform);
    QVERIFY(platform.messages.isEmpty());
    user.sync();
    QCOMPARE(StoredDate(user), QDate::currentDate().toString(Qt::ISODate));
    user.clear();
}

void TestHelp::reminderQuestionShowsItsCarriageReturnAsALineBreak()
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
        platform.showMessage(nullptr, UpdateReminderText(), Platform::Icon::Information, Platform::Buttons::YesNo);
    poll.stop();
    QCOMPARE(answer, Platform::Answer::No);
    QCOMPARE(UpdateReminderText(), ReminderQuestion);
    QCOMPARE(shown, QString(ReminderQuestion).replace(u'\r', u'\n'));
    QCOMPARE(shownLines, 2);
}

QTEST_MAIN(TestHelp)
#include "tst_Help.moc"
