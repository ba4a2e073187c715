#include "app/vedic/ChartsPage.h"

#include <QGridLayout>
#include <QLabel>

#include "app/vedic/ChartStyleView.h"
#include "app/vedic/PointLabels.h"

namespace zodiora {

namespace {

QLabel* Caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

}  // namespace

ChartsPage::ChartsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("chartsPage"));
    birthChart_ = new ChartStyleView(this);
    birthChart_->setObjectName(QStringLiteral("birthChart"));
    navamsaChart_ = new ChartStyleView(this);
    navamsaChart_->setObjectName(QStringLiteral("navamsaChartLarge"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(Caption(tr("Birth chart (Rasi)"), this), 0, 0, Qt::AlignHCenter);
    grid->addWidget(Caption(tr("Navamsa (D9)"), this), 0, 1, Qt::AlignHCenter);
    grid->addWidget(birthChart_, 1, 0);
    grid->addWidget(navamsaChart_, 1, 1);
    grid->setRowStretch(1, 1);
}

void ChartsPage::showChart(const ChartResult& result, const VedicContext& context)
{
    birthChart_->setInput(BirthChartInput(result));
    navamsaChart_->setInput(NavamsaChartInput(result, context.details));
}

void ChartsPage::setChartStyle(ChartStyle style)
{
    birthChart_->setChartStyle(style);
    navamsaChart_->setChartStyle(style);
}

}  // namespace zodiora
