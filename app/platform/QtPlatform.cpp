#include "app/platform/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

namespace zodiora {

namespace {

/// The program's texts break lines with CR LF or a lone CR; the message box
/// shows a lone CR as a break only while its label wraps, so give it LF.
QString DisplayLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

}  // namespace

Platform::Answer QtPlatform::showMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons)
{
    QMessageBox box(icon == Icon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    QStringLiteral("Zodiora"), DisplayLineBreaks(text),
                    buttons == Buttons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, parent);
    const int result = box.exec();
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

bool QtPlatform::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

QString QtPlatform::getSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& defaultSuffix)
{
    return getSaveFileName(parent, title, filter, defaultSuffix, QString());
}

QString QtPlatform::getSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& defaultSuffix, const QString& startPath)
{
    QFileDialog dialog(parent, title, startPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    // A name typed without a suffix takes the one of the file type chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& chosen) {
        const QRegularExpressionMatch pattern = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(chosen);
        if (pattern.hasMatch()) {
            dialog.setDefaultSuffix(pattern.captured(1));
        }
    });
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

bool QtPlatform::execPrintDialog(QWidget* parent, QPrinter& printer, bool selectionChosen)
{
    QPrintDialog dialog(&printer, parent);
    // The range is offered and honoured by the printing code; left to the
    // print server it is lost on a file or a server that ignores it.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selectionChosen);
    printer.setPrintRange(selectionChosen ? QPrinter::Selection : QPrinter::AllPages);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPlatform::ownsClipboard()
{
    return QApplication::clipboard()->ownsClipboard();
}

void QtPlatform::clearClipboard()
{
    QApplication::clipboard()->clear();
}

}  // namespace zodiora
