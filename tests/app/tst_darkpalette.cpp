// Under a dark desktop palette every text stays readable: the results
// form keeps its own light paper, the report window follows the desktop.
#include <QApplication>
#include <QLabel>
#include <QStyleFactory>
#include <QTextCursor>
#include <QTextEdit>
#include <QtTest>

#include "app/BirthFormWindow.h"
#include "app/LinkLabel.h"
#include "app/ReportDialog.h"
#include "app/ResultsWindow.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/DarkPalette.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

/// Readable body text, as WCAG asks of it.
constexpr double LeastContrast = 4.5;

TextContrast ShownContrast(QTextEdit* box)
{
    return MeasureTextContrast(box->viewport()->grab().toImage());
}

QString Describe(const TextContrast& c)
{
    return QStringLiteral("text %1 on %2: %3:1").arg(c.text.name(), c.background.name()).arg(c.ratio, 0, 'f', 1);
}

}  // namespace

class DarkPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(DarkPalette());
    }

    void resultsReportAndLabelsAreReadable()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        form.setInput(Delhi1980Form());
        form.proceed();
        ResultsWindow* results = form.resultsWindow();
        results->resize(1280, 900);
        results->show();
        QVERIFY(QTest::qWaitForWindowExposed(results));

        auto* box = results->findChild<QTextEdit*>(QStringLiteral("reportBox"));
        const TextContrast shown = ShownContrast(box);
        qInfo("results report: %s", qPrintable(Describe(shown)));
        QVERIFY2(shown.ratio >= LeastContrast, qPrintable(Describe(shown)));

        for (const char* name : {"nameLabel", "birthDateLabel", "ascendantLabel", "positionLabel0"}) {
            const QLabel* label = results->findChild<QLabel*>(QLatin1String(name));
            const QPalette& p = label->palette();
            const double ratio = ContrastRatio(p.color(label->foregroundRole()), p.color(label->backgroundRole()));
            QVERIFY2(ratio >= LeastContrast, name);
        }
        const auto* link = results->findChild<LinkLabel*>(QStringLiteral("analysisLink"));
        QVERIFY(ContrastRatio(link->palette().color(QPalette::WindowText), link->palette().color(QPalette::Window))
                >= LeastContrast);
    }

    void reportWindowFollowsTheDesktop()
    {
        RecordingPlatform platform;
        ReportDialog window(platform, QStringLiteral("Sun In Gemini\r\nYou shine through your mind and your words.\r\n"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* box = window.findChild<QTextEdit*>(QStringLiteral("reportBox"));
        const TextContrast shown = ShownContrast(box);
        qInfo("report window: %s", qPrintable(Describe(shown)));
        QCOMPARE(shown.background, DarkPalette().color(QPalette::Base));
        QVERIFY2(shown.ratio >= LeastContrast, qPrintable(Describe(shown)));
        // Its links, on the labels and in the text, take the desktop's link colour.
        const auto* link = window.findChild<LinkLabel*>(QStringLiteral("discoverLink"));
        QCOMPARE(link->palette().color(QPalette::WindowText), DarkPalette().color(QPalette::Link));
        QTextCursor inAddress(box->document());
        inAddress.setPosition(box->toPlainText().indexOf(QStringLiteral("www.")) + 1);
        QCOMPARE(inAddress.charFormat().foreground().color(), DarkPalette().color(QPalette::Link));
    }
};

QTEST_MAIN(DarkPaletteTest)
#include "tst_darkpalette.moc"
