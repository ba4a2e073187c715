#pragma once

#include <QTableWidget>

#include "app/vedic/VedicPage.h"

namespace zodiora {

/// Every point of the chart, the nodes included, with its sidereal
/// position, nakshatra, pada, the nakshatra's lord and its Navamsa sign.
class NakshatraTable : public QTableWidget, public VedicPage {
    Q_OBJECT
public:
    enum Column { Point, Position, Nakshatra, Pada, Lord, Navamsa, ColumnCount };

    explicit NakshatraTable(QWidget* parent = nullptr);

    QString title() const override { return tr("Nakshatras"); }
    void showChart(const ChartResult& result, const VedicContext& context) override;
    QWidget* widget() override { return this; }
};

}  // namespace zodiora
