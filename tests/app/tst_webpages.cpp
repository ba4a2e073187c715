// The pages the program opens: home, download and the help page, which is
// the user guide shipped beside the program unless an address is configured.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppConfig.h"
#include "app/WebPages.h"
#include "tests/app/RecordingPlatform.h"

using namespace zodiora;
using zodiora::test::RecordingPlatform;

class WebPagesTest : public QObject {
    Q_OBJECT

private slots:
    void homeAndDownloadPagesOpenTheConfiguredAddresses();
    void helpPageIsTheShippedGuideUnlessAnAddressIsConfigured();
    void helpPageFindsAnInstalledGuide();
    void userGuideIsCopiedBesideTheProgram();
};

void WebPagesTest::homeAndDownloadPagesOpenTheConfiguredAddresses()
{
    RecordingPlatform platform;
    WebPages(platform).openHome();
    WebPages(platform).openDownload();
    QCOMPARE(platform.openedUrls,
             (QList<QUrl>{QUrl(QStringLiteral(ZODIORA_HOME_URL)), QUrl(QStringLiteral(ZODIORA_DOWNLOAD_URL))}));
}

void WebPagesTest::helpPageIsTheShippedGuideUnlessAnAddressIsConfigured()
{
    QTemporaryDir programDir;
    QFile guide(QDir(programDir.path()).filePath(QStringLiteral("user-guide.html")));
    QVERIFY(guide.open(QIODevice::WriteOnly));
    guide.close();
    const QUrl local = WebPages::helpPageUrl(QString(), programDir.path());
    QVERIFY(local.isLocalFile());
    QCOMPARE(QFileInfo(local.toLocalFile()).canonicalFilePath(), QFileInfo(guide).canonicalFilePath());
    QCOMPARE(WebPages::helpPageUrl(QStringLiteral("https://help.example.com/zodiora"), programDir.path()),
             QUrl(QStringLiteral("https://help.example.com/zodiora")));

    RecordingPlatform platform;
    WebPages(platform).openHelp();
    QCOMPARE(platform.openedUrls.size(), 1);
    if (QStringLiteral(ZODIORA_HELP_URL).isEmpty()) {
        QVERIFY(platform.openedUrls.constFirst().isLocalFile());
        QVERIFY(platform.openedUrls.constFirst().toLocalFile().endsWith(QStringLiteral("/user-guide.html")));
    } else {
        QCOMPARE(platform.openedUrls.constFirst(), QUrl(QStringLiteral(ZODIORA_HELP_URL)));
    }
}

void WebPagesTest::helpPageFindsAnInstalledGuide()
{
    QTemporaryDir prefix;
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/zodiora")));
    const QString installed = QDir(prefix.path()).filePath(QStringLiteral("share/zodiora/user-guide.html"));
    QFile guide(installed);
    QVERIFY(guide.open(QIODevice::WriteOnly));
    guide.close();
    const QUrl url = WebPages::helpPageUrl(QString(), QDir(prefix.path()).filePath(QStringLiteral("bin")));
    QCOMPARE(QFileInfo(url.toLocalFile()).canonicalFilePath(), QFileInfo(installed).canonicalFilePath());
}

void WebPagesTest::userGuideIsCopiedBesideTheProgram()
{
    QFile guide(QStringLiteral(ZODIORA_APP_BUILD_DIR "/user-guide.html"));
    QVERIFY2(guide.open(QIODevice::ReadOnly), qPrintable(guide.fileName()));
    const QString html = QString::fromUtf8(guide.readAll());
    QVERIFY(html.contains(QStringLiteral("<title>")));
    QVERIFY(html.contains(QStringLiteral("daylight")));
}

QTEST_MAIN(WebPagesTest)
#include "tst_webpages.moc"
