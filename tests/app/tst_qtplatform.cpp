// The real desktop's print dialog: the page range it offers reaches the
// printer, so the printing code can honour it.
#include <QAbstractButton>
#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "app/platform/QtPlatform.h"

using namespace zodiora;

class QtPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void printDialogHandsTheChosenPageRangeToThePrinter()
    {
        QtPlatform platform;
        QPrinter printer;
        bool rangeOffered = false;
        QTimer chooser;
        chooser.setInterval(20);
        connect(&chooser, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            chooser.stop();
            auto* range = dialog->findChild<QAbstractButton*>(QStringLiteral("printRange"));
            auto* from = dialog->findChild<QSpinBox*>(QStringLiteral("from"));
            auto* to = dialog->findChild<QSpinBox*>(QStringLiteral("to"));
            // The range sits on the dialog's folded "Options" tabs: offered means not hidden there.
            auto* group = dialog->findChild<QWidget*>(QStringLiteral("gbPrintRange"));
            rangeOffered = range != nullptr && group != nullptr && !group->isHidden() && !range->isHidden()
                           && range->isEnabled() && from != nullptr && to != nullptr;
            if (rangeOffered) {
                range->setChecked(true);
                to->setValue(3);
                from->setValue(2);
            }
            dialog->accept();
        });
        chooser.start();
        QVERIFY(platform.execPrintDialog(nullptr, printer, false));
        QVERIFY(rangeOffered);
        QCOMPARE(printer.printRange(), QPrinter::PageRange);
        QCOMPARE(printer.fromPage(), 2);
        QCOMPARE(printer.toPage(), 3);
    }
};

QTEST_MAIN(QtPlatformTest)
#include "tst_qtplatform.moc"
