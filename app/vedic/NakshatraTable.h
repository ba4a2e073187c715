#pragma once

#include <QTableWidget>

namespace zodiora {

struct ChartResult;
struct VedicDetails;

/// Every point of the chart, the nodes included, with its sidereal
/// position, nakshatra, pada, the nakshatra's lord and its Navamsa sign.
class NakshatraTable : public QTableWidget {
    Q_OBJECT
public:
    enum Column { Point, Position, Nakshatra, Pada, Lord, Navamsa, ColumnCount };

    explicit NakshatraTable(QWidget* parent = nullptr);

    void showChart(const ChartResult& result, const VedicDetails& details);
};

}  // namespace zodiora
