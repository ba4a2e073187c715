// Save dialogs open in the last folder used, else Documents, offering a
// file named after the person.
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "app/SaveFolder.h"

using namespace zodiora;

class SaveFolderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
    }

    void theLastFolderUsedWhileItExists()
    {
        QSettings().clear();
        {
            QTemporaryDir dir;
            SaveFolder::remember(dir.filePath(QStringLiteral("somebody.rtf")));
            QCOMPARE(SaveFolder::folder(), dir.path());
        }
        QCOMPARE(SaveFolder::folder(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    }

    void theNameMakesASafeFileName()
    {
        QSettings().clear();
        const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(SaveFolder::startPath(QString(), QStringLiteral("rtf")), documents.filePath(QStringLiteral("Zodiora.rtf")));
        QCOMPARE(SaveFolder::startPath(QStringLiteral("../  ETC/PASSWD "), QStringLiteral("rtf")),
                 documents.filePath(QStringLiteral("ETC PASSWD.rtf")));
    }
};

QTEST_GUILESS_MAIN(SaveFolderTest)
#include "tst_savefolder.moc"
