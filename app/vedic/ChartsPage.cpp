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
    birthInput_ = BirthChartInput(result);
    navamsaInput_ = NavamsaChartInput(result, context.details);
    birthChart_->setInput(birthInput_);
    navamsaChart_->setInput(navamsaInput_);
}

namespace {

ChartStyleInput Marked(ChartStyleInput input, bool lagna, bool moon)
{
    if (lagna) input.labels[static_cast<std::size_t>(input.ascendantSign)].prepend(QStringLiteral("As ?"));
    if (moon) {
        for (QStringList& labels : input.labels) {
            for (QString& label : labels) {
                if (label.startsWith(QLatin1String("Mo"))) label += QStringLiteral(" ?");
            }
        }
    }
    return input;
}

}  // namespace

void ChartsPage::markUncertainPoints(bool lagna, bool navamsaLagna, bool moon)
{
    birthChart_->setInput(Marked(birthInput_, lagna, moon));
    navamsaChart_->setInput(Marked(navamsaInput_, navamsaLagna, false));
}

void ChartsPage::setChartStyle(ChartStyle style)
{
    birthChart_->setChartStyle(style);
    navamsaChart_->setChartStyle(style);
}

}  // namespace zodiora
