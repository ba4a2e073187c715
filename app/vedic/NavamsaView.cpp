#include "app/vedic/NavamsaView.h"

#include "app/Language.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

#include "app/QtText.h"
#include "app/vedic/ChartStyleView.h"
#include "app/vedic/PointLabels.h"
#include "engine/PositionText.h"
#include "engine/SignNames.h"
#include "presentation/ChartSession.h"
#include "presentation/VedicDetails.h"

namespace zodiora {

NavamsaView::NavamsaView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("navamsaView"));
    table_ = new QTableWidget(PointCount, 3, this);
    table_->setObjectName(QStringLiteral("navamsaTable"));
    table_->setHorizontalHeaderLabels({tr("Point"), tr("Sign"), tr("Navamsa")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);

    chart_ = new ChartStyleView(this);
    chart_->setObjectName(QStringLiteral("navamsaChart"));

    auto* row = new QHBoxLayout(this);
    row->addWidget(table_, 0);
    row->addWidget(chart_, 1);
}

void NavamsaView::showChart(const ChartResult& result, const VedicContext& context)
{
    const VedicDetails& details = context.details;
    for (Body body : AllPoints) {
        const std::size_t k = IndexOf(body);
        const int sign = std::max(0, SignOf(result.chart.longitude(body)));
        const QStringList cells{PointName(body), ShownName(vocabulary::Kind::Sign, sign),
                                ShownName(vocabulary::Kind::Sign, details.navamsa[k])};
        for (int column = 0; column < cells.size(); ++column) {
            table_->setItem(static_cast<int>(k), column, new QTableWidgetItem(cells[column]));
        }
    }
    chart_->setInput(NavamsaChartInput(result, details));
}

void NavamsaView::setChartStyle(ChartStyle style)
{
    chart_->setChartStyle(style);
}

}  // namespace zodiora
