// Start-up work the first window does not need: run once after its first
// paint, and the menu bar's overflow arrow read only when drawn.
#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QStyleFactory>
#include <QtTest>

#include "app/AfterFirstPaint.h"
#include "app/OnDemandIconStyle.h"

using namespace zodiora;

class DeferredStartupTest : public QObject {
    Q_OBJECT

private slots:
    void workRunsOnceAfterTheFirstPaint()
    {
        QWidget window;
        window.resize(200, 100);
        int runs = 0;
        AfterFirstPaint(&window, [&runs] { ++runs; });
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);  // not shown, not painted

        window.show();
        QTRY_COMPARE(runs, 1);
        window.repaint();
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
    }

    void workOfAWindowGoneUnpaintedNeverRuns()
    {
        int runs = 0;
        {
            QWidget window;
            AfterFirstPaint(&window, [&runs] { ++runs; });
        }
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);
    }

    void overflowArrowsDrawAsTheBaseStyleDrawsThem_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("horizontal") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
        QTest::newRow("vertical") << int(QStyle::SP_ToolBarVerticalExtensionButton);
        QTest::newRow("another icon, passed through") << int(QStyle::SP_DialogOkButton);
    }

    void overflowArrowsDrawAsTheBaseStyleDrawsThem()
    {
        QFETCH(int, which);
        const auto pixmap = static_cast<QStyle::StandardPixmap>(which);
        OnDemandIconStyle style;
        QStyle* base = QStyleFactory::create(QStringLiteral("Fusion"));
        style.setBaseStyle(base);
        const QIcon deferred = style.standardIcon(pixmap);
        const QIcon direct = base->standardIcon(pixmap);
        QVERIFY(!deferred.isNull());
        QCOMPARE(deferred.availableSizes(), direct.availableSizes());
        for (const int side : {16, 32}) {
            QCOMPARE(deferred.pixmap(side).toImage(), direct.pixmap(side).toImage());
        }
    }
};

QTEST_MAIN(DeferredStartupTest)
#include "tst_deferredstartup.moc"
