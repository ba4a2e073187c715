#pragma once

#include <QWidget>

#include "app/vedic/VedicPage.h"

class QLabel;

namespace zodiora {

class AshtakavargaGrid;
class ChartStyleView;
class DignityTable;
class ShadbalaBars;
class ShadbalaTable;

/// The planets' strength: dignity, combustion and aspects; the Shadbala
/// with a bar per planet against its minimum; the Ashtakavarga grid and
/// the Sarvashtakavarga drawn in the chosen chart style.
class StrengthPage : public QWidget, public VedicPage {
    Q_OBJECT
public:
    explicit StrengthPage(QWidget* parent = nullptr);

    QString title() const override { return tr("Strength"); }
    void showChart(const ChartResult& result, const VedicContext& context) override;
    void setChartStyle(ChartStyle style) override;
    QWidget* widget() override { return this; }

private:
    DignityTable* dignityTable_;
    ShadbalaTable* shadbalaTable_;
    ShadbalaBars* shadbalaBars_;
    QLabel* shadbalaNote_;
    AshtakavargaGrid* ashtakavargaTable_;
    QLabel* ashtakavargaSource_;
    ChartStyleView* sarvaChart_;
};

}  // namespace zodiora
