// Shows one window of the program on the sample chart (New Delhi, 15 June
// 1980) and stays open, for screenshots and for comparing the look before
// and after a change: `zodiora-sample-windows form|results|report [dark] [hi]`;
// `dark` sets the Fusion style with a dark palette, as a dark desktop would;
// `hi` shows the windows in Hindi. `zodiora-sample-windows page FILE [hi]`
// exports the sample chart's page (PDF, PNG or SVG by the name) and ends.
// `results tabN` opens the results on tab N (0 the summary); `message` shows
// a question with Qt's own buttons, `file` Qt's own save dialog; `match` the Match window on two sample
// charts in a temporary library.
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

#include "app/AppFont.h"
#include "app/BirthFormWindow.h"
#include "app/ChartPageActions.h"
#include "app/Language.h"
#include "app/ReportDialog.h"
#include "app/ResultsWindow.h"
#include "app/match/MatchWindow.h"
#include "app/vedic/ResultsTabs.h"
#include "chartlibrary/ChartLibrary.h"
#include "app/platform/QtPlatform.h"
#include "presentation/ChartSession.h"
#include "tests/app/DarkPalette.h"
#include "tests/support/SampleBirths.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("dark"))) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(zodiora::test::DarkPalette());
    }
    if (app.arguments().contains(QStringLiteral("hi"))) {
        // The compiled translations are beside the program, one folder up from this tool.
        zodiora::UseLanguage(zodiora::vocabulary::Language::Hindi, QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
    }
    zodiora::AdoptDesktopPointSize();  // as the program does
    QApplication::setFont(zodiora::ProgramFont());
    const QString which = app.arguments().value(1, QStringLiteral("form"));

    zodiora::QtPlatform platform;
    if (which == QStringLiteral("message")) {
        QMessageBox::question(nullptr, QStringLiteral("Zodiora"), QStringLiteral("Zodiora"),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return 0;
    }
    if (which == QStringLiteral("file")) {
        QFileDialog::getSaveFileName(nullptr, QStringLiteral("Zodiora"), QString(), QStringLiteral("PDF (*.pdf)"),
                                     nullptr, QFileDialog::DontUseNativeDialog);
        return 0;
    }
    QTemporaryDir libraryDir;
    zodiora::ChartLibrary library;
    if (which == QStringLiteral("match")) {
        (void)library.open(libraryDir.filePath(QStringLiteral("charts.sqlite")).toStdString());
        zodiora::SavedChart girl;
        girl.form = zodiora::test::Delhi1980Input();
        girl.form.city = "New Delhi";
        zodiora::SavedChart boy = girl;
        boy.form.name = "RAVI";
        boy.form.year = 1975;
        boy.form.hour = 14;
        (void)library.save(girl);
        (void)library.save(boy);
        auto* window = new zodiora::MatchWindow(library, platform);
        window->show();
        return QApplication::exec();
    }
    zodiora::BirthFormWindow form(platform);
    if (which == QStringLiteral("form")) {
        form.show();
        form.centreOnScreen();
        return QApplication::exec();
    }
    zodiora::BirthFormInput input = zodiora::test::Delhi1980Input();
    input.city = "New Delhi";
    input.state = "Delhi";
    input.country = "India";
    form.setInput(input);
    if (which == QStringLiteral("page")) {
        zodiora::ChartSession session;
        const zodiora::ChartResult chart = session.run(input, zodiora::ChartSession::ReportMode::Skip);
        const QString problem = zodiora::ChartPageActions::ExportPage(chart, app.arguments().value(2));
        return problem.isEmpty() ? 0 : 1;
    }
    form.proceed();
    zodiora::ResultsWindow* results = form.resultsWindow();
    for (const QString& argument : app.arguments()) {
        if (argument.startsWith(QStringLiteral("tab"))) {
            results->findChild<zodiora::ResultsTabs*>()->tabBar()->setCurrentIndex(argument.mid(3).toInt());
        }
    }
    if (which == QStringLiteral("report")) {
        auto* report = new zodiora::ReportDialog(platform, results->reportText(), results);
        report->setModal(false);
        QTimer::singleShot(0, report, &QWidget::show);
    }
    return QApplication::exec();
}
