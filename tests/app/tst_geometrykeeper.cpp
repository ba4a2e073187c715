// Window places and sizes outlive the run; a remembered size never hides
// a window's edge on a smaller screen.
#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include "app/GeometryKeeper.h"

using namespace zodiora;

class GeometryKeeperTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
    }

    void aWindowReopensWhereItWasLeft()
    {
        GeometryKeeper keeper({QStringLiteral("reportDialog")});
        qApp->installEventFilter(&keeper);
        QVERIFY(!GeometryKeeper::remembers(QStringLiteral("reportDialog")));
        QRect left;
        {
            QDialog first;
            first.setObjectName(QStringLiteral("reportDialog"));
            first.show();
            QVERIFY(QTest::qWaitForWindowExposed(&first));
            first.setGeometry(40, 50, 420, 300);
            QTRY_COMPARE(first.geometry().size(), QSize(420, 300));
            left = first.geometry();
            first.hide();
        }
        QVERIFY(GeometryKeeper::remembers(QStringLiteral("reportDialog")));
        QDialog second;
        second.setObjectName(QStringLiteral("reportDialog"));
        second.resize(640, 560);
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QCOMPARE(second.geometry(), left);

        QDialog other;  // windows not named are left alone
        other.resize(333, 222);
        other.show();
        QCOMPARE(other.size(), QSize(333, 222));
        qApp->removeEventFilter(&keeper);
    }
};

QTEST_MAIN(GeometryKeeperTest)
#include "tst_geometrykeeper.moc"
