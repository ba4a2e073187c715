#include "app/vedic/VedicPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/CalculationText.h"
#include "app/Colours.h"
#include "app/QtText.h"
#include "app/vedic/VedicPage.h"
#include "app/vedic/VedicPages.h"
#include "app/vedic/VedicSettings.h"
#include "presentation/ChartSession.h"
#include "presentation/VedicDetails.h"

namespace zodiora {

namespace {

/// The style box's entries, in this order.
constexpr ChartStyle Styles[] = {ChartStyle::Wheel, ChartStyle::NorthIndian, ChartStyle::SouthIndian};

}  // namespace

VedicPanel::VedicPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("vedicPanel"));
    SetColours(this, Cream, Qt::black);

    stack_ = new QStackedWidget(this);
    stack_->setObjectName(QStringLiteral("vedicPages"));
    pages_ = MakeVedicPages(this);
    for (VedicPage* page : pages_) {
        stack_->addWidget(page->widget());
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildHeader());
    layout->addWidget(stack_, 1);

    const ChartStyle remembered = VedicSettings::chartStyle();
    for (int k = 0; k < int(std::size(Styles)); ++k) {
        if (Styles[k] == remembered) {
            styleBox_->setCurrentIndex(k);
        }
    }
    applyStyle(remembered);
    connect(styleBox_, &QComboBox::activated, this, &VedicPanel::chooseStyle);
}

QStringList VedicPanel::pageTitles() const
{
    QStringList titles;
    for (const VedicPage* page : pages_) {
        titles << page->title();
    }
    return titles;
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

void VedicPanel::showChart(const ChartResult& result, const QDate& today)
{
    const VedicDetails details = BuildVedicDetails(result.chart, UtcOffsetSeconds(result.birth));
    const CalculationSettings& settings = result.chart.settings;
    const QString ayanamsa = ShownAyanamsaTitle(settings.ayanamsa);
    // The classic method's own zodiac is Lahiri's; another is named.
    ephemerisLabel_->setText(settings.ephemeris == Ephemeris::Precise
                                 ? tr("Ephemeris: Precise (Swiss Ephemeris, %1 ayanamsa)").arg(ayanamsa)
                             : settings.ayanamsa == AyanamsaKind::Lahiri
                                 ? tr("Ephemeris: Classic (mean orbital elements)")
                                 : tr("Ephemeris: Classic (mean orbital elements, %1 ayanamsa)").arg(ayanamsa));
    const VedicContext context{today, details};
    for (VedicPage* page : pages_) {
        page->showChart(result, context);
    }
}

void VedicPanel::setPage(int index)
{
    stack_->setCurrentIndex(index);
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
    for (VedicPage* page : pages_) {
        page->setChartStyle(style);
    }
}

}  // namespace zodiora
