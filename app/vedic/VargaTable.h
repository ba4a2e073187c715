#pragma once

#include <QWidget>

#include "app/vedic/VedicPage.h"

class QLabel;
class QTableWidget;

namespace zodiora {

/// Every point's sign in the sixteen divisional charts (Shodasavarga), one
/// row a point and one column a varga, D1 to D60; a vargottama point (the
/// same sign in D1 and D9) is marked in its row. The rules in use are named
/// above the table.
class VargaTable : public QWidget, public VedicPage {
    Q_OBJECT
public:
    /// Column 0 names the point; the vargas follow in their order.
    static constexpr int PointColumn = 0;

    explicit VargaTable(QWidget* parent = nullptr);

    QString title() const override { return tr("Vargas"); }
    void showChart(const ChartResult& result, const VedicContext& context) override;
    QWidget* widget() override { return this; }

private:
    QLabel* variantLabel_;
    QTableWidget* table_;
};

}  // namespace zodiora
