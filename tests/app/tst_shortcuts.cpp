// The keys desktop programs answer to: Ctrl+Q quits, F1 opens the user
// guide, Escape goes back from the results, Enter in the form proceeds.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "app/BirthFormWindow.h"
#include "app/ResultsWindow.h"
#include "tests/app/AppTestSupport.h"

using namespace zodiora;
using namespace zodiora::test;

class ShortcutsTest : public QObject {
    Q_OBJECT

private slots:
    void formQuitsOnCtrlQAndOpensHelpOnF1()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ShowActive(form);
        QCOMPARE(Child<QAction>(form, "exitAction")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
        QTest::keyClick(form.focusWidget(), Qt::Key_F1);
        QCOMPARE(platform.openedUrls.size(), 1);
        QVERIFY2(platform.openedUrls.constFirst().toString().contains(QStringLiteral("user-guide")),
                 qPrintable(platform.openedUrls.constFirst().toString()));
        QSignalSpy exits(&form, &BirthFormWindow::exitRequested);
        QTest::keyClick(form.focusWidget(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(exits.size(), 1);
    }

    void enterInTheFormProceeds()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        form.setInput(Delhi1980Form());
        ShowActive(form);
        QTest::keyClick(Child<QLineEdit>(form, "cityEdit"), Qt::Key_Return);
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(form.resultsWindow() != nullptr);
        QVERIFY(!form.isVisible());
    }

    void enterPressesAFocusedButtonAndProceedsFromDegreeBoxes()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        form.setInput(Delhi1980Form());
        ShowActive(form);
        // A focused button is pressed, not Proceed.
        auto* lookup = Child<QPushButton>(form, "lookupButton");
        lookup->setFocus();
        QTest::keyClick(lookup, Qt::Key_Return);
        QCOMPARE(platform.openedUrls.size() + platform.messages.size(), 1);
        QVERIFY(form.resultsWindow() == nullptr);
        platform.messages.clear();
        // The degree boxes take digits only, but Enter (the keypad's too) proceeds from them as from any box.
        auto* degrees = Child<QLineEdit>(form, "latitudeDegreesEdit");
        degrees->setFocus();
        QTest::keyClick(degrees, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(form.resultsWindow() != nullptr);
    }

    void resultsGoBackOnEscapeAndQuitOnCtrlQ()
    {
        RecordingPlatform platform;
        ResultsWindow results(platform);  // on its own: going back or quitting closes nothing here
        results.setAttribute(Qt::WA_DeleteOnClose, false);
        ShowActive(results);
        QSignalSpy backs(&results, &ResultsWindow::backRequested);
        QSignalSpy exits(&results, &ResultsWindow::exitRequested);
        QTest::keyClick(&results, Qt::Key_F1);
        QCOMPARE(platform.openedUrls.size(), 1);
        QTest::keyClick(&results, Qt::Key_Escape);
        QCOMPARE(backs.size(), 1);
        QTest::keyClick(&results, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(exits.size(), 1);
        // Ctrl+P prints the chart page, and nothing else claims it.
        int printers = 0;
        for (const QAction* action : results.findChildren<QAction*>()) {
            if (action->shortcut() == QKeySequence::Print) {
                ++printers;
                QCOMPARE(action->objectName(), QStringLiteral("printChartAction"));
            }
        }
        QCOMPARE(printers, 1);
    }
};

QTEST_MAIN(ShortcutsTest)
#include "tst_shortcuts.moc"
