// Start-up: one running copy at a time; a second one says so and ends.
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "app/Startup.h"
#include "tests/app/RecordingPlatform.h"

using namespace zodiora;
using zodiora::test::RecordingPlatform;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Start-up also runs the update reminder: keep it out of the user's
        // settings and quiet, with a reminder date of today.
        QStandardPaths::setTestModeEnabled(true);
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zodiora"),
                           QStringLiteral("Zodiora"));
        settings.setValue(QStringLiteral("lastReminderDate"), QDate::currentDate().toString(Qt::ISODate));
    }

    void firstCopyTakesTheLockQuietly()
    {
        QTemporaryDir dir;
        RecordingPlatform platform;
        const QString path = dir.filePath(QStringLiteral("zodiora.lock"));
        auto lock = StartUp(platform, path);
        QVERIFY(lock != nullptr);
        QVERIFY(lock->isLocked());
        QVERIFY(QFile::exists(path));
        QVERIFY(platform.messages.isEmpty());
    }

    void secondCopySaysSoAndGetsNoLock()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zodiora.lock"));
        RecordingPlatform first;
        auto running = StartUp(first, path);
        QVERIFY(running != nullptr);

        RecordingPlatform second;
        QVERIFY(StartUp(second, path) == nullptr);
        QCOMPARE(second.messages.size(), 1);
        QCOMPARE(second.messages.front().text, QStringLiteral("Application is already running"));
        QCOMPARE(second.messages.front().icon, Platform::Icon::Information);
        QCOMPARE(second.messages.front().buttons, Platform::Buttons::Ok);

        // Once the first copy ends, the next start succeeds.
        running.reset();
        RecordingPlatform third;
        QVERIFY(StartUp(third, path) != nullptr);
        QVERIFY(third.messages.isEmpty());
    }

    void lockOfADeadCopyDoesNotBlock()
    {
        // A lock file naming a process that no longer runs, as a crash leaves it.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zodiora.lock"));
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForFinished());
        const qint64 deadPid = gone.processId() > 0 ? gone.processId() : 999999;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(deadPid) + "\nzodiora\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        file.close();

        RecordingPlatform platform;
        QVERIFY(StartUp(platform, path) != nullptr);
        QVERIFY(platform.messages.isEmpty());
    }

    void lockLivesInTheRuntimeDirectory()
    {
        QVERIFY(DefaultLockPath().endsWith(QStringLiteral("/zodiora.lock")));
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty()) {
            QCOMPARE(DefaultLockPath(), runtime + QStringLiteral("/zodiora.lock"));
        }
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
