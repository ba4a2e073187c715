// The program answers --help and --version on a terminal without a
// display, says so when it has none for its window, and refuses options it
// does not know.
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

class CommandLineTest : public QObject {
    Q_OBJECT

private:
    /// Runs the built program with no display of any kind.
    static QProcess* Run(const QStringList& arguments)
    {
        auto* program = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            env.remove(QLatin1String(name));
        }
        program->setProcessEnvironment(env);
        program->start(QStringLiteral(ZODIORA_PROGRAM), arguments);
        program->waitForFinished(20000);
        return program;
    }

private slots:
    void versionAndHelpNeedNoDisplay()
    {
        std::unique_ptr<QProcess> version(Run({QStringLiteral("--version")}));
        QCOMPARE(version->exitStatus(), QProcess::NormalExit);
        QCOMPARE(version->exitCode(), 0);
        QCOMPARE(QString::fromUtf8(version->readAllStandardOutput()), QStringLiteral("zodiora " ZODIORA_VERSION "\n"));

        std::unique_ptr<QProcess> help(Run({QStringLiteral("--help")}));
        QCOMPARE(help->exitCode(), 0);
        const QString text = QString::fromUtf8(help->readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("--version")) && text.contains(QStringLiteral("--help")), qPrintable(text));
    }

    // Qt would abort with a core dump; the program says what is missing.
    void noDisplayIsReportedNotAborted()
    {
        for (const QStringList& arguments : {QStringList{}, QStringList{QStringLiteral("--bogus")}}) {
            std::unique_ptr<QProcess> program(Run(arguments));
            QCOMPARE(program->exitStatus(), QProcess::NormalExit);
            QCOMPARE(program->exitCode(), 1);
            QVERIFY(program->readAllStandardError().contains("no display"));
        }
    }

    void unknownOptionIsRefused()
    {
        std::unique_ptr<QProcess> program(Run({QStringLiteral("-platform"), QStringLiteral("offscreen"),
                                               QStringLiteral("--no-such-option")}));
        QCOMPARE(program->exitCode(), 1);
        QVERIFY(program->readAllStandardError().contains("no-such-option"));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
