#pragma once

#include <QWidget>

#include "app/vedic/VedicPage.h"

class QTableWidget;

namespace zodiora {

class ChartStyleView;

/// The Navamsa (D9): each point's birth sign and Navamsa sign beside the
/// Navamsa chart drawn in the chosen style.
class NavamsaView : public QWidget, public VedicPage {
    Q_OBJECT
public:
    explicit NavamsaView(QWidget* parent = nullptr);

    QString title() const override { return tr("Navamsa"); }
    void showChart(const ChartResult& result, const VedicContext& context) override;
    void setChartStyle(ChartStyle style) override;
    QWidget* widget() override { return this; }
    ChartStyleView* chart() const { return chart_; }

private:
    QTableWidget* table_;
    ChartStyleView* chart_;
};

}  // namespace zodiora
