#include <QSettings>
#include <QStandardPaths>
// The Help menu: its entries in order, the pages they open, and the about
// box opened modally over the menu's window.
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/AboutDialog.h"
#include "app/AppConfig.h"
#include "app/Language.h"
#include "app/Menus.h"
#include "app/WebPages.h"
#include "tests/app/AppTestSupport.h"

using namespace zodiora;
using zodiora::test::RecordingPlatform;
using zodiora::test::Captions;

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void helpMenuHasTheEntriesInOrderAndOpensThePages();
    void helpMenuIsTheSameOnEveryWindow();
    void aboutBoxIsShownModally();
    void languageChoiceIsKeptForTheNextStart();
};

void MenusTest::languageChoiceIsKeptForTheNextStart()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().remove(QStringLiteral("language"));
    RecordingPlatform platform;
    QMenuBar bar;
    QMenu* menu = AddLanguageMenu(&bar, platform, &bar);
    QCOMPARE(menu->objectName(), QStringLiteral("languageMenu"));
    QAction* hindi = menu->findChild<QAction*>(QStringLiteral("language_hi"));
    QAction* english = menu->findChild<QAction*>(QStringLiteral("language_en"));
    QVERIFY(hindi && english);
    QCOMPARE(hindi->text(), QStringLiteral("हिन्दी"));
    hindi->trigger();
    QCOMPARE(ChosenLanguage(), vocabulary::Language::Hindi);
    QCOMPARE(platform.messages.size(), 1);  // used from the next start: the user is told so
    english->trigger();
    QCOMPARE(ChosenLanguage(), vocabulary::Language::English);
    QSettings().remove(QStringLiteral("language"));
}

void MenusTest::helpMenuHasTheEntriesInOrderAndOpensThePages()
{
    RecordingPlatform platform;
    QMenuBar bar;
    QMenu* menu = AddHelpMenu(&bar, platform, &bar);
    QCOMPARE(menu->title(), QStringLiteral("&Help"));
    QCOMPARE(menu->objectName(), QStringLiteral("helpMenu"));
    QCOMPARE(Captions(menu), (QStringList{QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"),
                                             QStringLiteral("-"), QStringLiteral("Check for Software &Update"),
                                             QStringLiteral("-"), QStringLiteral("&About Software")}));
    menu->findChild<QAction*>(QStringLiteral("visitAction"))->trigger();
    menu->findChild<QAction*>(QStringLiteral("updateAction"))->trigger();
    menu->findChild<QAction*>(QStringLiteral("onlineHelpAction"))->trigger();
    QCOMPARE(platform.openedUrls.size(), 3);
    QCOMPARE(platform.openedUrls.at(0), QUrl(QStringLiteral(ZODIORA_HOME_URL)));
    QCOMPARE(platform.openedUrls.at(1), QUrl(QStringLiteral(ZODIORA_DOWNLOAD_URL)));
    QCOMPARE(platform.openedUrls.at(2),
             WebPages::helpPageUrl(QStringLiteral(ZODIORA_HELP_URL), QCoreApplication::applicationDirPath()));
}

void MenusTest::helpMenuIsTheSameOnEveryWindow()
{
    RecordingPlatform platform;
    QMenuBar mainBar;
    QMenuBar formBar;
    const QMenu* mainMenu = AddHelpMenu(&mainBar, platform, &mainBar);
    const QMenu* formMenu = AddHelpMenu(&formBar, platform, &formBar);
    QCOMPARE(Captions(mainMenu), Captions(formMenu));

    bool aboutShown = false;
    QTimer::singleShot(0, this, [&] {
        if (auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget())) {
            aboutShown = true;
            about->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        }
    });
    formMenu->findChild<QAction*>(QStringLiteral("aboutAction"))->trigger();
    QVERIFY(aboutShown);
}

void MenusTest::aboutBoxIsShownModally()
{
    RecordingPlatform platform;
    QWidget owner;
    QMenuBar bar;
    QMenu* menu = AddHelpMenu(&bar, platform, &owner);
    bool wasModal = false;
    QTimer::singleShot(0, this, [&] {
        if (auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget())) {
            wasModal = about->parentWidget() == &owner;
            about->close();
        }
    });
    menu->findChild<QAction*>(QStringLiteral("aboutAction"))->trigger();
    QVERIFY(wasModal);
}

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
