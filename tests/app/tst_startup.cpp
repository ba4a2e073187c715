// Start-up: one running copy at a time; a second one says so and ends.
#include <QApplication>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstring>

#include <unistd.h>

#include "app/Startup.h"
#include "tests/app/RecordingPlatform.h"

using namespace zodiora;
using zodiora::test::RecordingPlatform;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
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

    void leftoverLockFileIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("random bytes") << QByteArray("\xff\x00\x13garbage\n\x80\n", 13);
        const QByteArray ourName = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8();
        QTest::newRow("another host") << QByteArray::number(QCoreApplication::applicationPid()) + "\n" + ourName +
                                             "\nanother-host.invalid\n";
        QTest::newRow("live process of another program") << QByteArray("1\ninit\n") +
                                                                QSysInfo::machineHostName().toUtf8() + "\n";
    }

    void leftoverLockFileIsTakenOver()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zodiora.lock"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();

        RecordingPlatform platform;
        const auto lock = StartUp(platform, path);
        QVERIFY(lock != nullptr);
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(lock->isLocked());
    }

    void copyInAnotherProcessHoldsTheLockUntilKilled()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zodiora.lock"));
        QProcess copy;
        copy.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("tst_startup"), QStringLiteral("--hold-lock"), path});
        QVERIFY(copy.waitForReadyRead(10000));
        QCOMPARE(copy.readAllStandardOutput(), QByteArray("locked\n"));

        RecordingPlatform second;
        QVERIFY(StartUp(second, path) == nullptr);
        QCOMPARE(second.messages.size(), 1);
        QVERIFY(QFile::exists(path));

        copy.kill();  // SIGKILL: the lock file stays behind
        QVERIFY(copy.waitForFinished());
        QVERIFY(QFile::exists(path));
        RecordingPlatform restart;
        QVERIFY(StartUp(restart, path) != nullptr);
        QVERIFY(restart.messages.isEmpty());
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

static int RunStartupTest(int argc, char* argv[])
{
    // Run as "--hold-lock PATH", the test program stands in for a running
    // copy in another process: it takes the lock and waits to be killed.
    if (argc == 3 && std::strcmp(argv[1], "--hold-lock") == 0) {
        QCoreApplication app(argc, argv);
        QLockFile lock(QString::fromLocal8Bit(argv[2]));
        if (!lock.tryLock(0)) {
            return 1;
        }
        std::puts("locked");
        std::fflush(stdout);
        for (;;) {
            ::pause();
        }
    }
    QApplication app(argc, argv);
    StartupTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
ZODIORA_APP_TEST_MAIN(RunStartupTest)
#include "tst_startup.moc"
