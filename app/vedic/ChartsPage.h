#pragma once

#include <QWidget>

#include "app/charts/ChartStyleInput.h"
#include "app/vedic/VedicPage.h"

namespace zodiora {

class ChartStyleView;

/// The birth chart (Rasi) and the Navamsa side by side, drawn in the
/// chosen style.
class ChartsPage : public QWidget, public VedicPage {
    Q_OBJECT
public:
    explicit ChartsPage(QWidget* parent = nullptr);

    QString title() const override { return tr("Charts"); }
    void showChart(const ChartResult& result, const VedicContext& context) override;
    void setChartStyle(ChartStyle style) override;
    QWidget* widget() override { return this; }

    /// Marks with "As ?" the Lagna of the birth chart and of the Navamsa
    /// when its sign may differ within the birth time's uncertainty, and
    /// the Moon ("Mo ?") when its sign may.
    void markUncertainPoints(bool lagna, bool navamsaLagna, bool moon);

private:
    ChartStyleView* birthChart_;
    ChartStyleView* navamsaChart_;
    ChartStyleInput birthInput_;
    ChartStyleInput navamsaInput_;
};

}  // namespace zodiora
