#pragma once

#include <QWidget>

class QTableWidget;

namespace zodiora {

struct ChartResult;
struct VedicDetails;
class ChartStyleView;

/// The Navamsa (D9): each point's birth sign and Navamsa sign beside the
/// Navamsa chart drawn in the chosen style.
class NavamsaView : public QWidget {
    Q_OBJECT
public:
    explicit NavamsaView(QWidget* parent = nullptr);

    void showChart(const ChartResult& result, const VedicDetails& details);
    ChartStyleView* chart() const { return chart_; }

private:
    QTableWidget* table_;
    ChartStyleView* chart_;
};

}  // namespace zodiora
