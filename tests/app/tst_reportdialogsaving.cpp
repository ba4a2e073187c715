// The report window's conventions: saving where the user saved last, any
// characters as 7-bit RTF, Ctrl+P, and a size that fits the screen.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>
#include <algorithm>

#include "app/ReportDialog.h"
#include "app/ScreenFit.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/ReportSamples.h"

using namespace zodiora;
using namespace zodiora::test;

class ReportDialogSavingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);  // the last save folder is remembered in settings
        QSettings().clear();
    }

    void cancelAfterASaveLeavesThatFolderAsItWas()
    {
        SavedSample first(QStringLiteral("first"));
        first.platform.nextSavePath.clear();
        first.window.setPersonName(QStringLiteral("MARY JANE"));
        first.window.save();
        QCOMPARE(first.platform.saveDialogStartPaths.constLast(),
                 first.dir.filePath(QStringLiteral("MARY JANE.rtf")));
        QCOMPARE(QDir(first.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("first.rtf")});
        QVERIFY(first.platform.messages.isEmpty());
    }

    void nameEndingInADotSavesWithOneDot()
    {
        SavedSample attempt(QStringLiteral("name."));
        QCOMPARE(QDir(attempt.dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("name.rtf")});
    }

    void brokenCharactersSaveAsSevenBitRtf()
    {
        SavedSample attempt(QStringLiteral("broken"));
        QTextCursor(Box(attempt.window)->document())
            .insertText(QStringLiteral("Pune") + QChar(0xD800) + QChar(0xFFFD) + QChar(0x1B) + QStringLiteral("[2J\n"));
        attempt.window.save();
        QVERIFY(attempt.platform.messages.isEmpty());
        QFile file(attempt.dir.filePath(QStringLiteral("broken.rtf")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray rtf = file.readAll();
        QVERIFY(std::all_of(rtf.begin(), rtf.end(), [](char c) { return (c & 0x80) == 0 && c != 0x1B; }));
        QVERIFY(rtf.contains("Pune?{\\u-3?}[2J\\par"));  // the escape character dropped
    }

    void ctrlPPrints()
    {
        RecordingPlatform platform;
        ReportDialog window(platform, SampleResults);
        ShowActive(window);
        QTest::keyClick(Box(window), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(platform.printDialogSelectionFlags.size(), 1);
    }

    void opensNoTallerThanTheScreen()
    {
        RecordingPlatform platform;
        ReportDialog window(platform, SampleResults);
        const QRect available = window.screen()->availableGeometry();
        QVERIFY(window.height() < available.height());
        FitWithin(&window, QRect(0, 0, 1024, 480));
        QVERIFY2(window.height() <= 480 - 40, qPrintable(QString::number(window.height())));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* save = window.findChild<QPushButton*>(QStringLiteral("saveButton"));
        QVERIFY(save->geometry().bottom() < window.height());
        QVERIFY(save->isVisible());
    }
};

QTEST_MAIN(ReportDialogSavingTest)
#include "tst_reportdialogsaving.moc"
