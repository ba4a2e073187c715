#pragma once

#include <QWidget>

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

private:
    ChartStyleView* birthChart_;
    ChartStyleView* navamsaChart_;
};

}  // namespace zodiora
