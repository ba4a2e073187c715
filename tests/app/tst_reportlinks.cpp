// Link handling in the report box: detection, opening on a left press
// only, and nothing left behind once the report window closes.
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include "app/ReportDialog.h"
#include "app/ReportLinks.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/ReportSamples.h"

using namespace zodiora;
using namespace zodiora::test;

class ReportLinksTest : public QObject {
    Q_OBJECT

private slots:
    void leftPressOnFooterAddressOpensItOnce()
    {
        RecordingPlatform platform;
        ReportDialog window(platform, SampleResults);
        QTextEdit* box = ShownBox(window);
        QVERIFY(box != nullptr);
        const int addressStart = AddressStart();
        const QPoint onAddress = PointAt(box, addressStart + 4);
        QCOMPARE(box->anchorAt(onAddress), MakerHref);
        QCOMPARE(box->textCursor().position(), 0);

        SendMouse(box->viewport(), QEvent::MouseButtonPress, Qt::LeftButton, onAddress);
        QCOMPARE(platform.openedUrls, QList<QUrl>{QUrl(MakerHref)});
        // The box still got the press: its insertion point moved to the address.
        QCOMPARE(box->textCursor().position(), addressStart + 4);
        SendMouse(box->viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, onAddress);
        QCOMPARE(platform.openedUrls.size(), 1);

        // A press on ordinary text opens nothing.
        SendMouse(box->viewport(), QEvent::MouseButtonPress, Qt::LeftButton, PointAt(box, 3));
        QCOMPARE(platform.openedUrls.size(), 1);
    }

    void otherMouseEventsOpenNothing()
    {
        RecordingPlatform platform;
        ReportDialog window(platform, SampleResults);
        QTextEdit* box = ShownBox(window);
        QVERIFY(box != nullptr);
        const QPoint onAddress = PointAt(box, AddressStart() + 4);
        QVERIFY(!box->anchorAt(onAddress).isEmpty());

        SendMouse(box->viewport(), QEvent::MouseButtonPress, Qt::RightButton, onAddress);
        SendMouse(box->viewport(), QEvent::MouseButtonRelease, Qt::RightButton, onAddress);
        SendMouse(box->viewport(), QEvent::MouseButtonPress, Qt::MiddleButton, onAddress);
        SendMouse(box->viewport(), QEvent::MouseButtonDblClick, Qt::LeftButton, onAddress);
        SendMouse(box->viewport(), QEvent::MouseMove, Qt::NoButton, onAddress);
        SendMouse(box->viewport(), QEvent::MouseButtonRelease, Qt::LeftButton, onAddress);
        QVERIFY(platform.openedUrls.isEmpty());
    }

    void addressesInTheResultsAreDetected()
    {
        RecordingPlatform platform;
        const QString results = QStringLiteral(
            "Read more at https://example.com/signs?sign=aries. Or www.example.org/moon, "
            "(see http://example.net/a_(b)) but not me@www.example.com or example.com\r\n");
        ReportDialog window(platform, results);
        QTextEdit* box = ShownBox(window);
        QVERIFY(box != nullptr);
        const QString text = box->toPlainText();
        const auto hrefAt = [&](const QString& what) { return box->anchorAt(PointAt(box, text.indexOf(what) + 2)); };

        QCOMPARE(hrefAt(QStringLiteral("https://example.com/signs")), QStringLiteral("https://example.com/signs?sign=aries"));
        QCOMPARE(hrefAt(QStringLiteral("www.example.org/moon")), QStringLiteral("http://www.example.org/moon"));
        QCOMPARE(hrefAt(QStringLiteral("http://example.net")), QStringLiteral("http://example.net/a_(b)"));
        QCOMPARE(hrefAt(QStringLiteral("me@www")), QString());
        QCOMPARE(box->anchorAt(PointAt(box, text.indexOf(QStringLiteral("or example.com")) + 5)), QString());
        // Sentence punctuation after an address is not part of it.
        const int afterAries = text.indexOf(QStringLiteral("aries.")) + 5;
        QCOMPARE(box->anchorAt(PointAt(box, afterAries)), QString());
    }

    void detectionIsOffAfterClose()
    {
        RecordingPlatform platform;
        ReportDialog window(platform, SampleResults);
        QTextEdit* box = ShownBox(window);
        QVERIFY(box != nullptr);
        QVERIFY(window.linksAttached());

        window.close();
        QVERIFY(!window.linksAttached());
        // The box outlives the closed window here: no link marks remain, a press
        // opens nothing and new addresses are no longer detected.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint onAddress = PointAt(box, AddressStart() + 4);
        QCOMPARE(box->anchorAt(onAddress), QString());
        QTextCharFormat plain = box->document()->begin().begin().fragment().charFormat();
        QVERIFY(!plain.fontUnderline());
        QVERIFY(!plain.hasProperty(QTextFormat::ForegroundBrush));
        SendMouse(box->viewport(), QEvent::MouseButtonPress, Qt::LeftButton, onAddress);
        box->append(QStringLiteral("https://example.com/later"));
        QCOMPARE(box->anchorAt(PointAt(box, box->toPlainText().indexOf(QStringLiteral("example.com/later")))), QString());
        QVERIFY(platform.openedUrls.isEmpty());
    }

    void closingOneReportLeavesAnotherLinked()
    {
        RecordingPlatform platform;
        ReportDialog second(platform, SampleResults);
        {
            ReportDialog first(platform, SampleResults);
            first.show();
            first.close();
            first.close();  // a second close must not detach anything else
            QVERIFY(!first.linksAttached());
        }
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QVERIFY(second.linksAttached());
        const QPoint onAddress = PointAt(Box(second), AddressStart() + 4);
        SendMouse(Box(second)->viewport(), QEvent::MouseButtonPress, Qt::LeftButton, onAddress);
        QCOMPARE(platform.openedUrls, QList<QUrl>{QUrl(MakerHref)});
    }

    void attachingElsewhereLeavesTheFirstBoxPlain()
    {
        RecordingPlatform platform;
        ReportLinks links(platform);
        links.detach();  // nothing attached yet: nothing happens
        QVERIFY(!links.isAttached());
        QTextEdit first;
        QTextEdit second;
        first.setPlainText(Footer);
        second.setPlainText(Footer);
        links.attach(&first);
        links.attach(&second);
        QCOMPARE(links.box(), &second);
        const auto anchors = [](const QTextEdit& box) { return box.toHtml().contains(QStringLiteral("href=")); };
        QVERIFY(!anchors(first));
        QVERIFY(anchors(second));
        links.detach();
        QVERIFY(!links.isAttached());
        QCOMPARE(links.box(), nullptr);
        QVERIFY(!anchors(second));
    }
};

QTEST_MAIN(ReportLinksTest)
#include "tst_reportlinks.moc"
