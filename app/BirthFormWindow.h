#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "birthdata/BirthFormInput.h"
#include "engine/CalculationSettings.h"

class QLabel;

namespace zodiora {

class BirthFormFields;
class CalculationMenu;
class LibraryActions;
class Platform;
class ResultsWindow;
class ChartSession;

/// The birth-data form: the program's input window for the whole run. Its
/// controls are the only store of the input between charts; "Proceed"
/// builds a fresh results window and hides the form, "Back" shows it again
/// as it was left.
class BirthFormWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit BirthFormWindow(Platform& platform, QWidget* parent = nullptr);
    ~BirthFormWindow() override;

    /// What the controls hold, for validation and charting.
    BirthFormInput input() const;
    /// The zone id of the chosen place, for saving; empty without one.
    std::string zoneId() const;
    /// Fills the controls as a user would (seconds are left alone); with
    /// the zone id a saved chart's offset came from, its history comes back too.
    void setInput(const BirthFormInput& input, std::string_view zoneId = {});
    /// Renames the chart in the form; place, zone and times stay.
    void setName(const std::string& name);

    /// How the next chart is calculated (the Settings menu's choice).
    const CalculationSettings& calculationSettings() const;
    /// A saved chart's settings for the charts that follow; the
    /// remembered default stays as it is.
    void setCalculationSettings(const CalculationSettings& settings);

    /// How many minutes either way the birth time may be off: the birth-time
    /// panel's field, kept with a saved chart.
    int timeUncertainty() const { return timeUncertainty_; }
    void setTimeUncertainty(int minutes) { timeUncertainty_ = minutes; }

    /// The results window of the chart on show, if any.
    ResultsWindow* resultsWindow() const;

    /// Places the window in the middle of its screen's available area.
    void centreOnScreen();

signals:
    /// The user asked to end the program (Exit, or a close box).
    void exitRequested();

public slots:
    /// Checks the input and, when it passes, shows its chart in a new results window.
    void proceed();
    /// A year the classic ephemeris does not chart switches this chart to
    /// the precise one, and the note under the form says so.
    void keepYearChartable(int year);
    /// Opens a web search for the place's coordinates.
    void lookUpPlace();
    /// Back from the results: drops the results window, shows the form.
    void showFormAgain();
    /// Closes every window of the program and asks for the end of the run.
    void exitProgram();

protected:
    void closeEvent(QCloseEvent* event) override;

private:

    Platform& platform_;
    BirthFormFields* fields_;
    // The chart records every "Proceed" overwrites (kept for the whole run).
    std::unique_ptr<ChartSession> session_;
    QPointer<ResultsWindow> results_;
    bool exiting_ = false;
    int timeUncertainty_ = 5;
    LibraryActions* library_ = nullptr;
    CalculationMenu* calculation_ = nullptr;
    QLabel* yearNote_ = nullptr;
};

}  // namespace zodiora
