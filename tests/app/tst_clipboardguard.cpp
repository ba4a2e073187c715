// The clipboard guard of the report boxes: our own copy is emptied on any
// activity over the box, another program's is kept.
#include <QClipboard>
#include <QTextEdit>
#include <QtTest>

#include <functional>

#include "app/ClipboardGuard.h"
#include "app/ReportDialog.h"
#include "app/platform/QtPlatform.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/ReportSamples.h"

using namespace zodiora;
using namespace zodiora::test;

class ClipboardGuardTest : public QObject {
    Q_OBJECT

private slots:
    void resultsBoxWithClipboardGuardDetectsNoLinks()
    {
        RecordingPlatform platform;
        QTextEdit results;
        new ClipboardGuard(&results, platform);
        results.setPlainText(Footer);
        results.show();
        QVERIFY(QTest::qWaitForWindowExposed(&results));
        const QPoint onAddress = PointAt(&results, AddressStart() + 4);
        QCOMPARE(results.anchorAt(onAddress), QString());
        SendMouse(results.viewport(), QEvent::MouseButtonPress, Qt::LeftButton, onAddress);
        QVERIFY(platform.openedUrls.isEmpty());
    }

    void clipboardClearedWhileItHoldsOurCopy()
    {
        RecordingPlatform platform;
        ReportDialog window(platform, SampleResults);
        QTextEdit* box = ShownBox(window);
        QVERIFY(box != nullptr);
        const QPoint inside = PointAt(box, 5);

        // Each kind of activity over the box empties our own clipboard content.
        const QList<std::function<void()>> activities = {
            [&] { SendMouse(box->viewport(), QEvent::MouseMove, Qt::NoButton, inside); },
            [&] { SendMouse(box->viewport(), QEvent::MouseButtonPress, Qt::RightButton, inside); },
            [&] { SendMouse(box->viewport(), QEvent::MouseButtonRelease, Qt::RightButton, inside); },
            [&] { SendMouse(box->viewport(), QEvent::MouseButtonDblClick, Qt::LeftButton, inside); },
            [&] { box->insertPlainText(QStringLiteral("x")); },
        };
        for (qsizetype i = 0; i < activities.size(); ++i) {
            box->selectAll();
            box->copy();
            platform.clipboardOwned = true;  // what the desktop reports after our copy
            const int before = platform.clipboardClears;
            activities[i]();
            QVERIFY2(platform.clipboardClears > before, qPrintable(QStringLiteral("activity %1").arg(i)));
            QVERIFY(!platform.clipboardOwned);
        }
        // Once cleared, further movement has nothing of ours left to clear.
        const int cleared = platform.clipboardClears;
        SendMouse(box->viewport(), QEvent::MouseMove, Qt::NoButton, inside);
        QCOMPARE(platform.clipboardClears, cleared);
    }

    void clipboardOfAnotherOwnerIsKept()
    {
        RecordingPlatform platform;
        platform.clipboardOwned = false;  // another program copied something
        ReportDialog window(platform, SampleResults);
        QTextEdit* box = ShownBox(window);
        QVERIFY(box != nullptr);
        const QPoint inside = PointAt(box, 5);
        SendMouse(box->viewport(), QEvent::MouseMove, Qt::NoButton, inside);
        SendMouse(box->viewport(), QEvent::MouseButtonPress, Qt::LeftButton, inside);
        SendMouse(box->viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, inside);
        box->insertPlainText(QStringLiteral("typed"));
        QCOMPARE(platform.clipboardClears, 0);
    }

    void realClipboardClearedUnderX11()
    {
        // Offscreen the clipboard never reports ownership; X11 does.
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
            QSKIP("needs the xcb platform (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
        }
        QtPlatform platform;
        QTextEdit box;
        box.setPlainText(QStringLiteral("Sun in Aries"));
        new ClipboardGuard(&box, platform);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.selectAll();
        box.copy();
        QTRY_VERIFY(platform.ownsClipboard());
        SendMouse(box.viewport(), QEvent::MouseMove, Qt::NoButton, QPoint(5, 5));
        QTRY_VERIFY(QApplication::clipboard()->text().isEmpty());
    }
};

QTEST_MAIN(ClipboardGuardTest)
#include "tst_clipboardguard.moc"
