// The report window: its framing, saving as RTF, printing, and opening
// over the results window with the chart's report.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

#include "app/BirthFormWindow.h"
#include "app/ReportDialog.h"
#include "app/BirthTimePanel.h"
#include "app/ResultsWindow.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/ReportSamples.h"
#include "tests/support/UnrtfText.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

/// The print dialog accepted with the printer sent to a PDF file.
class PdfPrintPlatform final : public Platform {
public:
    explicit PdfPrintPlatform(QString pdfPath) : pdfPath_(std::move(pdfPath)) {}
    int fromPage = 0;  ///< with toPage: the range chosen in the dialog, 0 for none
    int toPage = 0;
    QList<bool> selectionFlags;
    QList<QPrinter::PrintRange> ranges;

    Answer showMessage(QWidget*, const QString&, Icon, Buttons) override { return Answer::Ok; }
    bool openUrl(const QUrl&) override { return true; }
    QString getSaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    bool execPrintDialog(QWidget*, QPrinter& printer, bool selectionChosen) override
    {
        selectionFlags.append(selectionChosen);
        ranges.append(printer.printRange());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath_);
        if (fromPage > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(fromPage, toPage);
        }
        return true;
    }
    bool ownsClipboard() override { return false; }
    void clearClipboard() override {}

private:
    QString pdfPath_;
};

int PdfPages(const QString& path)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    if (!pdfinfo.waitForFinished() || pdfinfo.exitCode() != 0) {
        return -1;
    }
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    const qsizetype at = info.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? -1 : info.mid(at + 6).section(u'\n', 0, 0).trimmed().toInt();
}

QString PdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0) {
        return QStringLiteral("<pdftotext failed>");
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

/// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // writes fail with EFBIG instead
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace

class ReportDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);  // the last save folder is remembered in settings
        QSettings().clear();
    }

    void framingSurroundsTheResultsWithFooterLines()
    {
        RecordingPlatform platform;
        ReportDialog window(platform, SampleResults);
        QCOMPARE(window.reportText(), Footer + CrLf + CrLf + SampleResults + Footer + CrLf + CrLf);
        QCOMPARE(window.windowTitle(), QStringLiteral("Zodiora v1.15"));
        QVERIFY(window.isModal());
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("saveButton"))->text(), QStringLiteral("&Save"));
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("printButton"))->text(), QStringLiteral("&Print"));
        // Paragraph breaks are real paragraphs, not stray CR characters.
        QVERIFY(!Box(window)->toPlainText().contains(u'\r'));
        QCOMPARE(Box(window)->document()->blockCount(), 11);  // the final break opens an empty paragraph
    }

    void framingOfEmptyResultsIsTheTwoFootersOnly()
    {
        RecordingPlatform platform;
        ReportDialog window(platform, QString());
        QCOMPARE(window.reportText(), Footer + CrLf + CrLf + Footer + CrLf + CrLf);
    }

    void framingAddsNothingBetweenResultsAndSecondFooter()
    {
        RecordingPlatform platform;
        ReportDialog window(platform, QStringLiteral("no break at the end"));
        QCOMPARE(window.reportText(), Footer + CrLf + CrLf + QStringLiteral("no break at the end") + Footer + CrLf + CrLf);
    }

    void reportShowsInItsDefaultFont()
    {
        RecordingPlatform platform;
        ReportDialog window(platform, SampleResults);
        const QFontInfo shown(Box(window)->document()->defaultFont());
        QVERIFY2(shown.family() == QStringLiteral("Verdana") || shown.family() == QStringLiteral("DejaVu Sans"),
                 qPrintable(shown.family()));
        QCOMPARE(Box(window)->document()->defaultFont().pointSizeF(), 9.75);
    }

    void everyOpeningRebuildsTheReport()
    {
        RecordingPlatform platform;
        {
            ReportDialog first(platform, QStringLiteral("first chart\r\n"));
            first.close();
        }
        ReportDialog second(platform, QStringLiteral("second chart\r\n"));
        QCOMPARE(second.reportText(), Footer + CrLf + CrLf + QStringLiteral("second chart\r\n") + Footer + CrLf + CrLf);
    }

    void saveAddsRtfExtensionAndWritesTheReport()
    {
        SavedSample attempt(QStringLiteral("chart report"));
        const RecordingPlatform& platform = attempt.platform;
        const QTemporaryDir& dir = attempt.dir;

        QCOMPARE(platform.saveDialogTitles, QStringList{QStringLiteral("Zodiora")});
        QCOMPARE(platform.saveDialogSuffixes, QStringList{QStringLiteral("rtf")});
        QVERIFY(platform.saveDialogFilters.value(0).contains(QStringLiteral("Rich Text Format")));
        QVERIFY(platform.saveDialogFilters.value(0).contains(QStringLiteral("(*.rtf)")));
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("chart report"))));
        const QString saved = dir.filePath(QStringLiteral("chart report.rtf"));
        QVERIFY(QFile::exists(saved));

        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("{\\rtf1"));
        const auto text = test::ReadRtfTextWithUnrtf(saved.toStdString());
        QVERIFY2(text.has_value(), "unrtf could not read the saved report");
        QCOMPARE(QString::fromStdString(*text), attempt.window.reportText().replace(CrLf, QStringLiteral("\n")));
    }

    void saveKeepsAnExtensionTheUserTyped()
    {
        SavedSample attempt(QStringLiteral("chart.doc"));
        QCOMPARE(QDir(attempt.dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("chart.doc")});
    }

    void cancelledSaveWritesAndSaysNothing()
    {
        QSettings().clear();
        RecordingPlatform platform;  // an empty path is Cancel
        ReportDialog window(platform, SampleResults);
        window.setPersonName(QStringLiteral("ASHA"));
        window.findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
        QCOMPARE(platform.saveDialogTitles.size(), 1);
        QVERIFY(platform.messages.isEmpty());
        // Nothing appears in the folder the dialog was opened in.
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(platform.saveDialogStartPaths, QStringList{QDir(documents).filePath(QStringLiteral("ASHA.rtf"))});
        QVERIFY(!QFile::exists(platform.saveDialogStartPaths.constFirst()));
    }

    void saveToUnwritablePathNamesFileAndReason()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        RecordingPlatform platform;
        platform.nextSavePath = dir.filePath(QStringLiteral("not-a-folder/report.rtf"));
        ReportDialog window(platform, SampleResults);
        window.save();

        QCOMPARE(platform.messages.size(), 1);
        const auto& message = platform.messages.constFirst();
        QCOMPARE(message.icon, Platform::Icon::Error);
        QCOMPARE(message.buttons, Platform::Buttons::Ok);
        QVERIFY2(message.text.contains(QDir::toNativeSeparators(platform.nextSavePath)), qPrintable(message.text));
        const QStringList lines = message.text.split(CrLf);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(!lines.at(1).trimmed().isEmpty(), "the reason is missing");
    }

    void failedSaveLeavesExistingFileIntact()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.rtf"));
        const QByteArray original = "the earlier report, which must survive";
        {
            QFile existing(path);
            QVERIFY(existing.open(QIODevice::WriteOnly));
            existing.write(original);
        }
        RecordingPlatform platform;
        platform.nextSavePath = path;
        ReportDialog window(platform, SampleResults);
        {
            const FileSizeLimit fullDisk(64);  // far less than the report needs
            window.save();
        }
        QCOMPARE(platform.messages.size(), 1);
        const QString message = platform.messages.constFirst().text;
        QVERIFY(message.contains(QDir::toNativeSeparators(path)));
        // The system's reason, not Qt's "Unknown error".
        QVERIFY2(message.endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(message));
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), original);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("report.rtf")});
    }

    void printDialogSelectionFlagFollowsSelection()
    {
        RecordingPlatform platform;  // the dialog is cancelled: nothing prints
        ReportDialog window(platform, SampleResults);
        window.print();
        QTextCursor cursor = Box(window)->textCursor();
        cursor.setPosition(30);
        cursor.setPosition(40, QTextCursor::KeepAnchor);
        Box(window)->setTextCursor(cursor);
        window.findChild<QPushButton*>(QStringLiteral("printButton"))->click();
        QCOMPARE(platform.printDialogSelectionFlags, (QList<bool>{false, true}));
    }

    void printsOnlyTheSelectionToPdf()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("selection.pdf"));
        PdfPrintPlatform platform(pdf);
        ReportDialog window(platform, SampleResults);
        const int start = Box(window)->toPlainText().indexOf(QStringLiteral("Moon in Taurus"));
        QTextCursor cursor = Box(window)->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + 14, QTextCursor::KeepAnchor);
        Box(window)->setTextCursor(cursor);
        window.print();

        QCOMPARE(platform.selectionFlags, QList<bool>{true});
        QCOMPARE(platform.ranges, QList<QPrinter::PrintRange>{QPrinter::Selection});
        const QString text = PdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Moon in Taurus")), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("Report Generated By")), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("Sun in Aries")), qPrintable(text));
    }

    void printsTheWholeReportToPdf()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("whole.pdf"));
        PdfPrintPlatform platform(pdf);
        ReportDialog window(platform, SampleResults);
        window.print();

        QCOMPARE(platform.selectionFlags, QList<bool>{false});
        QCOMPARE(platform.ranges, QList<QPrinter::PrintRange>{QPrinter::AllPages});
        const QString text = PdfText(pdf);
        QCOMPARE(text.count(Footer), 2);
        QVERIFY2(text.contains(QStringLiteral("Sun in Aries")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("The Moon in Taurus (Vrishabha) is calm,")), qPrintable(text));
    }

    void printsOnlyThePagesOfTheChosenRange()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("range.pdf"));
        PdfPrintPlatform platform(pdf);
        QString longResults;
        for (int i = 0; i < 200; ++i) {
            longResults += QStringLiteral("Paragraph %1 of the report\r\n").arg(i);
        }
        ReportDialog window(platform, longResults);
        window.print();
        const int allPages = PdfPages(pdf);
        QVERIFY2(allPages >= 4, qPrintable(QString::number(allPages)));

        platform.fromPage = 2;
        platform.toPage = 3;
        window.print();
        QCOMPARE(PdfPages(pdf), 2);
        const QString text = PdfText(pdf);
        QVERIFY2(!text.contains(QStringLiteral("Report Generated By")), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("Paragraph 0 of")), qPrintable(text));
    }

    void printOpensTheChartsReportModally()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        form.setInput(Delhi1980Form());
        form.proceed();
        ResultsWindow* results = form.resultsWindow();
        QVERIFY(results != nullptr);
        QString shownText;
        bool wasAttached = false;
        bool attachedAfterClose = true;
        QTimer closer;
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto* window = qobject_cast<ReportDialog*>(QApplication::activeModalWidget())) {
                shownText = window->reportText();
                wasAttached = window->linksAttached();
                window->close();
                attachedAfterClose = window->linksAttached();
            }
        });
        closer.start();
        QTest::mouseClick(results->findChild<QPushButton*>(QStringLiteral("printButton")), Qt::LeftButton);
        closer.stop();
        QVERIFY(results->reportText().startsWith(QStringLiteral("Sun In Gemini")));
        // The facts that may change within the birth time's uncertainty come first.
        const QString note = results->birthTimePanel()->reportNote().replace(QLatin1Char('\n'), CrLf);
        QVERIFY(note.startsWith(QStringLiteral("Birth time known to within \u00b15 min")));
        QCOMPARE(shownText, Footer + CrLf + CrLf + note + CrLf + CrLf + results->reportText() + Footer + CrLf + CrLf);
        QVERIFY(wasAttached);
        QVERIFY(!attachedAfterClose);
    }
};

QTEST_MAIN(ReportDialogTest)
#include "tst_reportdialog.moc"
