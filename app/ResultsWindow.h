#pragma once

#include <QMainWindow>

class QLabel;
class QMenu;
class QPushButton;
class QScreen;
class QScrollArea;

namespace zodiora {

struct ChartResult;
class BirthTimePanel;
class ChartPageActions;
class ChartView;
class Platform;
class ResultsTabs;

/// The results window: banner and title strips, the results form centred
/// in a scroll area beside the birth-time panel (or a Vedic page), the calculation line (how the chart
/// was calculated, on every page) and the Print / Back / Exit strip.
/// Created for one chart and deleted when closed.
class ResultsWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ResultsWindow(Platform& platform, QWidget* parent = nullptr);

    /// Shows one chart and writes its report (updating the run's `readings`).
    void showChart(const ChartResult& result);

    /// Shows the window maximised on `screen`; without a window manager
    /// "maximised" means nothing, so it also fills the screen's available area.
    void showMaximizedOn(QScreen* screen);

    /// The report box's plain text, paragraph breaks as CR LF.
    QString reportText() const;

    /// Closes and deletes the window without ending the program.
    void closeForBack();

    /// The Summary tab's birth-time panel.
    BirthTimePanel* birthTimePanel() const { return birthTimePanel_; }

    /// The "&File" menu, for entries other parts of the program add.
    QMenu* fileMenu() const { return fileMenu_; }

signals:
    void backRequested();
    void exitRequested();

public slots:
    /// Opens the report window over this one.
    void openReport();
    /// Gives the chart page the facts narrower than the uncertainty now stated.
    void noteNarrowFacts();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTitle();
    QWidget* buildCalculationLine();
    QWidget* buildButtons();
    void placeButtons();
    void fitChartViewHeight();

    Platform& platform_;
    ChartView* chartView_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    ResultsTabs* tabs_ = nullptr;
    BirthTimePanel* birthTimePanel_ = nullptr;
    QLabel* calculationLabel_ = nullptr;
    QWidget* buttonStrip_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    bool closingForBack_ = false;
    QMenu* fileMenu_ = nullptr;
    ChartPageActions* chartPage_ = nullptr;
    QString personName_;
};

}  // namespace zodiora
