#pragma once

#include <QTableWidget>

#include "app/vedic/VedicPage.h"

namespace zodiora {

/// Every point of the chart with its sidereal position and its KP star
/// lord, sub lord and sub-sub lord (vedic/KpLords.h).
class KpTable : public QTableWidget, public VedicPage {
    Q_OBJECT
public:
    enum Column { Point, Position, StarLord, SubLord, SubSubLord, ColumnCount };

    explicit KpTable(QWidget* parent = nullptr);

    QString title() const override { return tr("KP"); }
    void showChart(const ChartResult& result, const VedicContext& context) override;
    QWidget* widget() override { return this; }
};

}  // namespace zodiora
