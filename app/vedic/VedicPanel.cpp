#include "app/vedic/VedicPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/Colours.h"
#include "app/vedic/ChartStyleView.h"
#include "app/vedic/DashaTree.h"
#include "app/vedic/NakshatraTable.h"
#include "app/vedic/NavamsaView.h"
#include "app/vedic/PointLabels.h"
#include "app/vedic/VedicSettings.h"
#include "presentation/ChartSession.h"
#include "presentation/VedicDetails.h"

namespace zodiora {

namespace {

/// The style box's entries, in this order.
constexpr ChartStyle Styles[] = {ChartStyle::Wheel, ChartStyle::NorthIndian, ChartStyle::SouthIndian};

QLabel* Caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

}  // namespace

VedicPanel::VedicPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("vedicPanel"));
    SetColours(this, Cream, Qt::black);

    nakshatras_ = new NakshatraTable(this);
    navamsa_ = new NavamsaView(this);
    dasha_ = new DashaTree(this);
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("vedicPages"));
    pages_->addWidget(nakshatras_);
    pages_->addWidget(navamsa_);
    pages_->addWidget(buildCharts());
    pages_->addWidget(dasha_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildHeader());
    layout->addWidget(pages_, 1);

    const ChartStyle remembered = VedicSettings::chartStyle();
    for (int k = 0; k < int(std::size(Styles)); ++k) {
        if (Styles[k] == remembered) {
            styleBox_->setCurrentIndex(k);
        }
    }
    applyStyle(remembered);
    connect(styleBox_, &QComboBox::activated, this, &VedicPanel::chooseStyle);
}

QStringList VedicPanel::pageTitles()
{
    return {tr("Nakshatras"), tr("Navamsa"), tr("Charts"), tr("Dasha")};
}

QWidget* VedicPanel::buildHeader()
{
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    ephemerisLabel_ = new QLabel(header);
    ephemerisLabel_->setObjectName(QStringLiteral("ephemerisLabel"));
    styleBox_ = new QComboBox(header);
    styleBox_->setObjectName(QStringLiteral("chartStyleBox"));
    styleBox_->addItems({tr("Wheel"), tr("North Indian"), tr("South Indian")});
    auto* styleCaption = new QLabel(tr("Chart &style:"), header);
    styleCaption->setBuddy(styleBox_);
    row->addWidget(ephemerisLabel_, 1);
    row->addWidget(styleCaption);
    row->addWidget(styleBox_);
    return header;
}

QWidget* VedicPanel::buildCharts()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("chartsPage"));
    birthChart_ = new ChartStyleView(page);
    birthChart_->setObjectName(QStringLiteral("birthChart"));
    navamsaChart_ = new ChartStyleView(page);
    navamsaChart_->setObjectName(QStringLiteral("navamsaChartLarge"));
    auto* grid = new QGridLayout(page);
    grid->addWidget(Caption(tr("Birth chart (Rasi)"), page), 0, 0, Qt::AlignHCenter);
    grid->addWidget(Caption(tr("Navamsa (D9)"), page), 0, 1, Qt::AlignHCenter);
    grid->addWidget(birthChart_, 1, 0);
    grid->addWidget(navamsaChart_, 1, 1);
    grid->setRowStretch(1, 1);
    return page;
}

void VedicPanel::showChart(const ChartResult& result, const QDate& today)
{
    const VedicDetails details = BuildVedicDetails(result.chart, UtcOffsetSeconds(result.birth));
    ephemerisLabel_->setText(result.chart.settings.ephemeris == Ephemeris::Precise
                                 ? tr("Ephemeris: Precise (Swiss Ephemeris, Lahiri ayanamsa)")
                                 : tr("Ephemeris: Classic (mean orbital elements)"));
    nakshatras_->showChart(result, details);
    navamsa_->showChart(result, details);
    birthChart_->setInput(BirthChartInput(result));
    navamsaChart_->setInput(NavamsaChartInput(result, details));
    dasha_->showDetails(details, today);
}

void VedicPanel::setPage(Page page)
{
    pages_->setCurrentIndex(page);
}

void VedicPanel::chooseStyle(int index)
{
    if (index < 0 || index >= int(std::size(Styles))) {
        return;
    }
    applyStyle(Styles[index]);
    VedicSettings::setChartStyle(Styles[index]);
}

void VedicPanel::applyStyle(ChartStyle style)
{
    for (ChartStyleView* view : {birthChart_, navamsaChart_, navamsa_->chart()}) {
        view->setChartStyle(style);
    }
}

}  // namespace zodiora
