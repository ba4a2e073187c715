#pragma once

#include <QWidget>
#include <optional>

#include "app/charts/ChartStyleInput.h"
#include "app/vedic/VedicPage.h"
#include "engine/ChartVargas.h"
#include "presentation/ChartSession.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace zodiora {

class ChartStyleView;

/// The birth chart (Rasi) beside a chart of the user's choice: any of the
/// sixteen divisional charts (the Navamsa unless another is chosen) or the
/// Moon chart (Chandra lagna), both drawn in the chosen style, with the
/// points' degrees beside them on request.
class ChartsPage : public QWidget, public VedicPage {
    Q_OBJECT
public:
    /// The chooser's entries: the sixteen vargas in their order, then the Moon chart.
    static constexpr int MoonChartEntry = vedic::VargaCount;

    explicit ChartsPage(QWidget* parent = nullptr);

    QString title() const override { return tr("Charts"); }
    void showChart(const ChartResult& result, const VedicContext& context) override;
    void setChartStyle(ChartStyle style) override;
    QWidget* widget() override { return this; }

    /// The title of chooser entry `entry`: "Navamsa (D9)", "Moon chart (Chandra lagna)"...
    static QString entryTitle(int entry);

public slots:
    /// Draws chooser entry `entry` beside the birth chart.
    void chooseChart(int entry);
    /// Writes or leaves out the points' degrees in both drawings.
    void showDegrees(bool shown);

public:
    /// Marks with "As ?" the Lagna of the birth chart and of the Navamsa
    /// when its sign may differ within the birth time's uncertainty, and
    /// the Moon ("Mo ?") when its sign may.
    void markUncertainPoints(bool lagna, bool navamsaLagna, bool moon);

private:
    void redraw();

    QComboBox* chooser_;
    QCheckBox* degreesBox_;
    QLabel* chosenCaption_;
    ChartStyleView* birthChart_;
    ChartStyleView* chosenChart_;
    std::optional<ChartResult> result_;
    VargaSigns vargas_;
    bool uncertainLagna_ = false;
    bool uncertainNavamsaLagna_ = false;
    bool uncertainMoon_ = false;
};

}  // namespace zodiora
