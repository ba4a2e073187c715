#include "app/LibraryActions.h"

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <utility>

#include "chartlibrary/ChartLibrary.h"
#include "chartlibrary/LibraryFiles.h"
#include "birthdata/NameText.h"

#include "app/BirthFormWindow.h"
#include "app/ChartLibraryDialog.h"
#include "app/MessageMapping.h"
#include "app/QtText.h"
#include "app/SaveChartDialog.h"
#include "app/match/MatchWindow.h"
#include "app/platform/Platform.h"
#include "app/vedic/VedicSettings.h"

namespace zodiora {

namespace {

constexpr int RecentCount = 5;

/// A chart's name as a menu caption: an ampersand is no mnemonic.
QString MenuText(const std::string& text)
{
    return ToQString(text).replace(u'&', QStringLiteral("&&"));
}

}  // namespace

std::filesystem::path LibraryActions::LibraryFile()
{
    const QByteArray chosen = qgetenv("ZODIORA_LIBRARY_FILE");
    if (!chosen.isEmpty()) {
        return std::filesystem::path(chosen.toStdString());
    }
    return DefaultChartLibraryPath();
}

LibraryActions::LibraryActions(Platform& platform, BirthFormWindow& form, QMenu* fileMenu,
                               std::filesystem::path libraryFile)
    : QObject(&form), platform_(platform), form_(form),
      file_(libraryFile.empty() ? LibraryFile() : std::move(libraryFile))
{
    addTo(fileMenu, &form);
}

LibraryActions::~LibraryActions() = default;

void LibraryActions::addTo(QMenu* fileMenu, QWidget* window)
{
    QAction* first = fileMenu->actions().isEmpty() ? nullptr : fileMenu->actions().constFirst();
    auto* save = new QAction(tr("&Save Chart"), fileMenu);
    save->setObjectName(QStringLiteral("saveChartAction"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, window, [this, window] { saveChart(window); });
    auto* open = new QAction(tr("&Open Chart…"), fileMenu);
    open->setObjectName(QStringLiteral("openChartAction"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, window, [this, window] { openChart(window); });
    auto* recent = new QMenu(tr("Open &Recent"), fileMenu);
    recent->setObjectName(QStringLiteral("recentChartsMenu"));
    connect(recent, &QMenu::aboutToShow, window, [this, recent, window] { fillRecent(recent, window); });

    auto* match = new QAction(tr("&Match Charts…"), fileMenu);
    match->setObjectName(QStringLiteral("matchChartsAction"));
    connect(match, &QAction::triggered, window, [this, window] { matchCharts(window); });

    fileMenu->insertActions(first, {save, open, recent->menuAction(), match});
    fileMenu->insertSeparator(first);
}

ChartLibrary* LibraryActions::library(QWidget* window)
{
    if (library_) {
        return library_.get();
    }
    auto library = std::make_unique<ChartLibrary>();
    const auto opened = library->open(file_);
    if (!opened) {
        platform_.showMessage(window, ToQString(opened.error()), Platform::Icon::Error);
        return nullptr;
    }
    if (opened->setAside) {
        setAsideReport_ = ToQString(opened->setAside->message());
    }
    library_ = std::move(library);
    reportSetAside(window);
    return library_.get();
}

void LibraryActions::reportSetAside(QWidget* window)
{
    if (!setAsideReport_.isEmpty()) {
        const QString report = std::exchange(setAsideReport_, QString());
        platform_.showMessage(window, report, Platform::Icon::Information);
    }
}

void LibraryActions::saveChart(QWidget* window)
{
    ChartLibrary* library = this->library(window);
    if (library == nullptr) {
        return;
    }
    SavedChart chart;
    chart.form = form_.input();
    chart.zoneId = zoneId();
    chart.settings = SettingsText(form_.calculationSettings());
    chart.timeUncertaintyMinutes = form_.timeUncertainty();
    if (currentId_ != 0 && chart.form.name == currentName_) {
        chart.id = currentId_;
        chart.note = currentNote_;
    } else {
        SaveChartDialog ask(ToQString(chart.form.name), QString(), window);
        if (ask.exec() != QDialog::Accepted) {
            return;
        }
        // The dialog's name meets the name box's rules, and only the name changes.
        NameCheck name = CheckNameText(ToUtf8(ask.name()));
        if (!name.problem) name.problem = NameLengthProblem(name.name);
        if (name.problem) {
            ShowUserMessage(platform_, window, *name.problem);
            return;
        }
        if (name.name != chart.form.name) {
            chart.form.name = std::move(name.name);
            form_.setName(chart.form.name);
        }
        chart.note = ToUtf8(ask.note());
    }
    const auto saved = library->save(chart);
    if (!saved) {
        platform_.showMessage(window, ToQString(saved.error()), Platform::Icon::Error);
        return;
    }
    currentId_ = *saved;
    currentName_ = chart.form.name;
    currentNote_ = chart.note;
}

void LibraryActions::openChart(QWidget* window)
{
    ChartLibrary* library = this->library(window);
    if (library == nullptr) {
        return;
    }
    ChartLibraryDialog dialog(*library, platform_, window);
    if (dialog.exec() == QDialog::Accepted && dialog.selectedChart()) {
        show(*dialog.selectedChart());
    }
}

void LibraryActions::openSaved(std::int64_t id, QWidget* window)
{
    ChartLibrary* library = this->library(window);
    if (library == nullptr) {
        return;
    }
    const auto chart = library->get(id);
    if (!chart) {
        platform_.showMessage(window, ToQString(chart.error()), Platform::Icon::Error);
        return;
    }
    show(*chart);
}

void LibraryActions::matchCharts(QWidget* window)
{
    ChartLibrary* library = this->library(window);
    if (library == nullptr) {
        return;
    }
    // Owned by the form, which outlives the results windows that may ask.
    auto* matchWindow = new MatchWindow(*library, platform_, &form_);
    matchWindow->setAttribute(Qt::WA_DeleteOnClose);
    matchWindow->show();
}

void LibraryActions::fillRecent(QMenu* menu, QWidget* window)
{
    menu->clear();
    ChartLibrary* library = this->library(window);
    const auto recent = library != nullptr ? library->recent(RecentCount)
                                           : LibraryResult<std::vector<ChartSummary>>::failure({});
    if (!recent || recent->empty()) {
        menu->addAction(tr("No saved charts"))->setEnabled(false);
        return;
    }
    int number = 1;
    for (const ChartSummary& chart : *recent) {
        QAction* entry = menu->addAction(
            QStringLiteral("&%1 %2  (%3)").arg(number++).arg(MenuText(chart.name), ToQString(chart.date)));
        const std::int64_t id = chart.id;
        connect(entry, &QAction::triggered, window, [this, id, window] { openSaved(id, window); });
    }
}

void LibraryActions::show(const SavedChart& chart)
{
    currentId_ = chart.id;
    currentName_ = chart.form.name;
    currentNote_ = chart.note;
    // Later, not now: the entry that asked may belong to the results window
    // that showing a new chart replaces.
    // What the chart's text leaves out (all of it for a chart saved before
    // settings were kept) comes from the preferences.
    const CalculationSettings settings = ParseSettingsText(chart.settings, VedicSettings::calculationSettings());
    QTimer::singleShot(0, &form_, [form = &form_, input = chart.form, zoneId = chart.zoneId, settings,
                                   uncertainty = chart.timeUncertaintyMinutes] {
        form->setInput(input, zoneId);
        form->setTimeUncertainty(uncertainty);
        form->setCalculationSettings(settings);
        form->proceed();
    });
}

std::string LibraryActions::zoneId() const
{
    // Empty means the chart's clock comes from its zone row.
    return form_.zoneId();
}

}  // namespace zodiora
