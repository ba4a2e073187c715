#include "app/ResultsWindow.h"

#include "app/CalculationText.h"
#include "app/QtText.h"
#include "zodiora/Version.h"

#include <algorithm>

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QVBoxLayout>

#include "presentation/ChartSession.h"

#include "app/AppConfig.h"
#include "app/AppFont.h"
#include "app/Banner.h"
#include "app/BirthTimePanel.h"
#include "app/ChartPageActions.h"
#include "app/ChartView.h"
#include "app/Colours.h"
#include "app/Menus.h"
#include "app/ReportDialog.h"
#include "app/Shortcuts.h"
#include "app/Twips.h"
#include "app/vedic/ChartsPage.h"
#include "app/vedic/ResultsTabs.h"

namespace zodiora {

namespace {

/// Twips from the right edge to Exit's and to Back's right edge; Print's
/// left edge sits at the width less Back's width and the print offset.
constexpr int ExitRightGap = 160;
constexpr int BackRightGap = 1400;
constexpr int PrintOffset = 2600;

}  // namespace

ResultsWindow::ResultsWindow(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform)
{
    setObjectName(QStringLiteral("resultsWindow"));
    setWindowTitle(ToQString(ProgramTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(ProgramFont());

    auto* client = new QWidget(this);
    SetColours(client, NightBlue, Qt::white);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(BuildBanner(
        tr("Share your questions and experiences with others on our online forum at %1")
            .arg(QStringLiteral(ZODIORA_MAKER_ADDRESS)),
        "banner", {BannerGold, QColor(0, 0, 90), QMargins(6, 4, 6, 4)}, platform_));
    QWidget* title = buildTitle();
    layout->addWidget(title);

    chartView_ = new ChartView(platform_);
    scroll_ = new QScrollArea(client);
    scroll_->setObjectName(QStringLiteral("chartScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetColours(scroll_->viewport(), NightBlue, Qt::white);
    chartView_->resize(chartView_->sizeHint().expandedTo(chartView_->minimumSize()));
    scroll_->setWidget(chartView_);
    scroll_->viewport()->installEventFilter(this);
    // The Summary page: the form, and beside it the birth-time panel.
    auto* summary = new QWidget(client);
    summary->setObjectName(QStringLiteral("summaryPage"));
    auto* summaryRow = new QHBoxLayout(summary);
    summaryRow->setContentsMargins(0, 0, 0, 0);
    summaryRow->setSpacing(0);
    summaryRow->addWidget(scroll_, 1);
    birthTimePanel_ = new BirthTimePanel(summary);
    birthTimePanel_->setFixedWidth(TwipsToPixels(6600, logicalDpiX()));
    summaryRow->addWidget(birthTimePanel_);
    connect(birthTimePanel_, &BirthTimePanel::uncertaintyChanged, this, &ResultsWindow::noteNarrowFacts);
    tabs_ = new ResultsTabs(summary, client);
    tabs_->placeTabsOn(title);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buildCalculationLine());
    layout->addWidget(buildButtons());
    setCentralWidget(client);

    fileMenu_ = AddFileMenu(menuBar(), this, {{"backAction", tr("&Back"), [this] { emit backRequested(); }},
                                      {"exitAction", tr("E&xit"), [this] { emit exitRequested(); }}});
    chartPage_ = new ChartPageActions(platform_, this, fileMenu_);
    // The page scrolls under the mouse and takes no focus (it would show none);
    // the keyboard starts at the tabs, which the title strip holds though they
    // were made after the pages, and goes round the buttons back to them.
    scroll_->setFocusPolicy(Qt::NoFocus);
    setTabOrder(exitButton_, tabs_->tabBar());
    tabs_->tabBar()->setFocus();
    AddHelpMenu(menuBar(), platform_, this);
    // Ctrl+P stays free here for printing the chart page.
    AssignStandardShortcuts(this);
}

QWidget* ResultsWindow::buildTitle()
{
    auto* strip = new QWidget;
    SetColours(strip, Cream, Qt::red);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(6, 2, 6, 2);
    auto* title = new QLabel(QStringLiteral("Zodiora"), strip);
    title->setObjectName(QStringLiteral("titleLabel"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    title->setFont(titleFont);
    QPalette red = title->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    title->setPalette(red);
    row->addWidget(title, 0, Qt::AlignHCenter);
    return strip;
}

// One line under the pages, so two users comparing charts see at once the
// settings and clock each was calculated with; selectable to copy.
QWidget* ResultsWindow::buildCalculationLine()
{
    calculationLabel_ = new QLabel;
    calculationLabel_->setObjectName(QStringLiteral("calculationLabel"));
    calculationLabel_->setTextFormat(Qt::PlainText);
    calculationLabel_->setAutoFillBackground(true);
    SetColours(calculationLabel_, Cream, Qt::black);
    calculationLabel_->setContentsMargins(8, 3, 8, 3);
    calculationLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    calculationLabel_->setToolTip(tr("How this chart was calculated: Settings menu of the birth form"));
    return calculationLabel_;
}

QWidget* ResultsWindow::buildButtons()
{
    buttonStrip_ = new QWidget;
    buttonStrip_->setObjectName(QStringLiteral("buttonStrip"));
    SetColours(buttonStrip_, QColor(200, 206, 230), Qt::black);
    const int dpi = logicalDpiX();
    buttonStrip_->setFixedHeight(TwipsToPixels(600, dpi));

    auto button = [this, dpi](const char* name, const QString& caption, int widthTwips) {
        auto* b = new QPushButton(caption, buttonStrip_);
        b->setObjectName(QLatin1String(name));
        b->resize(TwipsToPixels(widthTwips, dpi), TwipsToPixels(390, dpi));
        return b;
    };
    printButton_ = button("printButton", tr("&Print"), 1020);
    backButton_ = button("backButton", tr("&Back"), 1020);
    exitButton_ = button("exitButton", tr("&Exit"), 1095);
    connect(printButton_, &QPushButton::clicked, this, &ResultsWindow::openReport);
    connect(backButton_, &QPushButton::clicked, this, &ResultsWindow::backRequested);
    connect(exitButton_, &QPushButton::clicked, this, &ResultsWindow::exitRequested);
    buttonStrip_->installEventFilter(this);
    return buttonStrip_;
}

void ResultsWindow::placeButtons()
{
    const int dpi = logicalDpiX();
    const int w = buttonStrip_->width();
    const int y = (buttonStrip_->height() - backButton_->height()) / 2;
    exitButton_->move(w - (exitButton_->width() + TwipsToPixels(ExitRightGap, dpi)), y);
    backButton_->move(w - (backButton_->width() + TwipsToPixels(BackRightGap, dpi)), y);
    printButton_->move(w - (backButton_->width() + TwipsToPixels(PrintOffset, dpi)), y);
}

bool ResultsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == buttonStrip_ && event->type() == QEvent::Resize) {
        placeButtons();
    }
    if (scroll_ && watched == scroll_->viewport() && event->type() == QEvent::Resize) {
        fitChartViewHeight();
    }
    return QMainWindow::eventFilter(watched, event);
}

// The form keeps its designed width, centred; on a taller screen the extra
// height goes to the report box rather than to empty blue below the form.
void ResultsWindow::fitChartViewHeight()
{
    const QSize designed = chartView_->sizeHint().expandedTo(chartView_->minimumSize());
    chartView_->resize(designed.width(), std::max(designed.height(), scroll_->viewport()->height()));
}

void ResultsWindow::showChart(const ChartResult& result)
{
    chartView_->showChart(result);
    birthTimePanel_->showChart(result);
    tabs_->showChart(result, QDate::currentDate());
    noteNarrowFacts();
    calculationLabel_->setText(ShownCalculationLine(result.chart, result.clock));
    chartPage_->setChart(result);
    personName_ = ToQString(result.display.details.name);
}

void ResultsWindow::showMaximizedOn(QScreen* screen)
{
    if (screen != nullptr) {
        setGeometry(screen->availableGeometry());
    }
    showMaximized();
}

QString ResultsWindow::reportText() const
{
    return chartView_->reportText();
}

void ResultsWindow::closeForBack()
{
    closingForBack_ = true;
    close();
}

void ResultsWindow::noteNarrowFacts()
{
    chartPage_->setTimeNote(birthTimePanel_->pageNote());
    const bool lagna = birthTimePanel_->isNarrow("lagnaSign");
    const bool moon = birthTimePanel_->isNarrow("moonSign");
    chartView_->markUncertainPoints(lagna, moon);
    if (auto* charts = tabs_->findChild<ChartsPage*>(QStringLiteral("chartsPage"))) {
        charts->markUncertainPoints(lagna, birthTimePanel_->isNarrow("navamsaLagna"), moon);
    }
}

// The facts that hang on the birth minute open the report.
void ResultsWindow::openReport()
{
    const QString note = birthTimePanel_->reportNote();
    const QString crLf = QStringLiteral("\r\n");
    ReportDialog report(platform_, note.isEmpty() ? reportText() : QString(note).replace(QLatin1Char('\n'), crLf) +
                                                                       crLf + crLf + reportText(),
                        this);
    report.setPersonName(personName_);
    report.exec();
}

void ResultsWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!closingForBack_) {
        emit exitRequested();
    }
}

}  // namespace zodiora
