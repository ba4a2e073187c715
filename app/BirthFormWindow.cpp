#include "app/BirthFormWindow.h"
#include "app/QtText.h"
#include "zodiora/Version.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "birthdata/BirthDataInput.h"
#include "birthdata/NameText.h"
#include "birthdata/PlaceLookup.h"
#include "engine/YearRange.h"
#include "presentation/ChartSession.h"
#include "timezones/TimeZone.h"

#include "app/AboutDialog.h"
#include "app/AppConfig.h"
#include "app/AppFont.h"
#include "app/Banner.h"
#include "app/BirthFormFields.h"
#include "app/Colours.h"
#include "app/LibraryActions.h"
#include "app/FormAccessibility.h"
#include "app/Menus.h"
#include "app/MessageMapping.h"
#include "app/PlaceSearch.h"
#include "app/BirthTimePanel.h"
#include "app/ResultsWindow.h"
#include "app/platform/Platform.h"
#include "app/vedic/CalculationMenu.h"
#include "app/ReturnKeyHook.h"
#include "app/Shortcuts.h"

namespace zodiora {

namespace {

// Where the chart's clock was read: the place's tz zone when the form took
// the offset from its history, else the zone row.
ClockReading FormClock(const BirthData& birth, const std::string& zoneId)
{
    if (zoneId.empty() || !birth.exactOffsetSeconds) return ClockOf(birth);
    std::string error;
    const auto zone = timezones::TimeZone::Find(zoneId, &error);
    const timezones::LocalDateTime local{birth.year, birth.month, birth.day, birth.hour, birth.minute, birth.second};
    return ClockOf(birth, zoneId, zone ? zone->abbreviationAt(local, *birth.exactOffsetSeconds) : std::string());
}

}  // namespace

BirthFormWindow::BirthFormWindow(Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      session_(std::make_unique<ChartSession>())
{
    setObjectName(QStringLiteral("birthFormWindow"));
    setWindowTitle(ToQString(ProgramTitle));
    setFont(ProgramFont());

    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 8);
    column->addWidget(BuildBanner(
        tr("Talk astrology with other users on our discussion board at %1").arg(QStringLiteral(ZODIORA_MAKER_ADDRESS)),
        "forumBanner", {NightBlue, BannerGold, QMargins(8, 5, 8, 5)}, platform_));

    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 6, 12, 0);
    body->setSpacing(8);
    fields_ = new BirthFormFields(platform_, client);
    connect(fields_, &BirthFormFields::placeLookupRequested, this, &BirthFormWindow::lookUpPlace);
    connect(fields_, &BirthFormFields::yearChosen, this, &BirthFormWindow::keepYearChartable);
    body->addWidget(fields_);
    yearNote_ = new QLabel(tr("The classic ephemeris charts %1 to %2: births outside those years are charted with "
                              "the precise ephemeris (%3 to %4).")
                               .arg(ClassicYears.first)
                               .arg(ClassicYears.last)
                               .arg(PreciseYears.first)
                               .arg(PreciseYears.last),
                           client);
    yearNote_->setObjectName(QStringLiteral("yearNote"));
    yearNote_->setWordWrap(true);
    yearNote_->hide();
    body->addWidget(yearNote_);

    auto* proceedButton = new QPushButton(tr("Proceed"), client);
    proceedButton->setObjectName(QStringLiteral("proceedButton"));
    proceedButton->setMinimumHeight(proceedButton->sizeHint().height() + 6);
    QFont proceedFont = proceedButton->font();
    proceedFont.setBold(true);
    proceedButton->setFont(proceedFont);
    connect(proceedButton, &QPushButton::clicked, this, &BirthFormWindow::proceed);
    body->addWidget(proceedButton);
    fields_->chainTabTo(proceedButton);

    auto* about = new QLabel(AboutDialog::summaryText(), client);
    about->setObjectName(QStringLiteral("aboutLabel"));
    about->setWordWrap(true);
    body->addWidget(about);
    column->addLayout(body);
    setCentralWidget(client);

    QMenu* fileMenu = AddFileMenu(menuBar(), this, {{"proceedAction", tr("Proceed"), [this] { proceed(); }},
                                      {"exitAction", tr("E&xit"), [this] { close(); }}});
    library_ = new LibraryActions(platform_, *this, fileMenu);
    QMenu* help = AddHelpMenu(menuBar(), platform_, this);
    calculation_ = CalculationMenu::AddTo(menuBar(), help,
                                          [this](const CalculationSettings& s) { session_->setSettings(s); });
    AssignStandardShortcuts(this);
    DescribeFormControls(this);
    client->installEventFilter(new ReturnKeyHook([this] { proceed(); }, this));

    fields_->focusField(FormField::Name);
    client->setFixedWidth(client->sizeHint().width());
    adjustSize();
    setFixedSize(sizeHint());
    // Rows that come and go (the zone's history line) keep the window fitted.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

BirthFormWindow::~BirthFormWindow()
{
    delete results_.data();
}

BirthFormInput BirthFormWindow::input() const
{
    return fields_->input();
}

std::string BirthFormWindow::zoneId() const
{
    return fields_->zoneId();
}

void BirthFormWindow::setInput(const BirthFormInput& input, std::string_view zoneId)
{
    fields_->setInput(input, zoneId);
}

void BirthFormWindow::setName(const std::string& name)
{
    fields_->setName(name);
}

const CalculationSettings& BirthFormWindow::calculationSettings() const
{
    return session_->settings();
}

void BirthFormWindow::setCalculationSettings(const CalculationSettings& settings)
{
    calculation_->showSettings(settings);
}

ResultsWindow* BirthFormWindow::resultsWindow() const
{
    return results_.data();
}

void BirthFormWindow::proceed()
{
    BirthFormInput in = input();
    // A pasted name never met the keystroke filter: check it as typed.
    NameCheck name = CheckNameText(in.name);
    if (!name.problem) name.problem = NameLengthProblem(name.name);
    if (name.problem) {
        ShowUserMessage(platform_, this, *name.problem);
        fields_->focusField(FormField::Name);
        return;
    }
    in.name = std::move(name.name);
    // The Settings menu may have gone back to classic since the year was chosen.
    keepYearChartable(in.year);
    if (const auto problem = ValidateBirthData(in)) {
        ShowUserMessage(platform_, this, *problem);
        fields_->focusField(problem->focus);
        return;
    }
    // A clock reading that never happened (or happened twice) has no one
    // answer: the user says which offset was meant.
    if (const QString choice = fields_->missingZoneChoice(); !choice.isEmpty()) {
        platform_.showMessage(this, choice, Platform::Icon::Information);
        fields_->focusZoneChoice();
        return;
    }
    ChartResult chart = session_->run(in);
    chart.clock = fields_->localMeanTime() ? MeanTimeClockOf(chart.birth) : FormClock(chart.birth, zoneId());

    delete results_.data();
    results_ = new ResultsWindow(platform_);
    connect(results_, &ResultsWindow::backRequested, this, &BirthFormWindow::showFormAgain);
    connect(results_, &ResultsWindow::exitRequested, this, &BirthFormWindow::exitProgram);
    library_->addTo(results_->fileMenu(), results_);
    results_->birthTimePanel()->setUncertaintyMinutes(timeUncertainty_);
    connect(results_->birthTimePanel(), &BirthTimePanel::uncertaintyChanged, this,
            &BirthFormWindow::setTimeUncertainty);
    results_->showChart(chart);
    results_->showMaximizedOn(screen());
    hide();
}

void BirthFormWindow::keepYearChartable(int year)
{
    if (yearNote_ == nullptr || calculation_ == nullptr) return;  // the form is still being built
    const bool outside = !ClassicYears.holds(year);
    yearNote_->setVisible(outside);
    if (outside && calculation_->ephemeris() == Ephemeris::Classic) {
        CalculationSettings settings = calculation_->settings();
        settings.ephemeris = Ephemeris::Precise;
        // Marked and applied for this chart; the remembered default stays classic.
        calculation_->showSettings(settings);
    }
}

void BirthFormWindow::lookUpPlace()
{
    const BirthFormInput in = input();
    if (const auto problem = CheckPlaceLookup(in.city, in.state, in.country)) {
        ShowUserMessage(platform_, this, *problem);
        fields_->focusField(problem->focus);
        return;
    }
    PlaceSearch(platform_).present(QString::fromStdString(PlaceSearchQuery(in.city, in.state, in.country)),
                                   QStringLiteral(ZODIORA_HOME_URL));
}

void BirthFormWindow::showFormAgain()
{
    show();
    if (results_) {
        results_->closeForBack();
    }
}

void BirthFormWindow::exitProgram()
{
    if (exiting_) {
        return;
    }
    exiting_ = true;
    if (results_) {
        results_->closeForBack();
    }
    hide();
    emit exitRequested();
}

void BirthFormWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    exitProgram();
}

void BirthFormWindow::centreOnScreen()
{
    if (QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
}

}  // namespace zodiora
