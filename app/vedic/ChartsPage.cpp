#include "app/vedic/ChartsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "app/QtText.h"
#include "app/Language.h"
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
    chooser_ = new QComboBox(this);
    chooser_->setObjectName(QStringLiteral("vargaChooser"));
    for (int entry = 0; entry <= MoonChartEntry; ++entry) chooser_->addItem(entryTitle(entry));
    chooser_->setCurrentIndex(static_cast<int>(vedic::Varga::D9));
    auto* chooserCaption = new QLabel(tr("&Beside the birth chart:"), this);
    chooserCaption->setBuddy(chooser_);
    degreesBox_ = new QCheckBox(tr("&Degrees"), this);
    degreesBox_->setObjectName(QStringLiteral("chartDegreesBox"));
    degreesBox_->setToolTip(tr("Write each point's degrees and minutes in its birth sign beside it"));
    auto* variant = new QLabel(tr("Divisions by Parashara's rules (BPHS ch. 6)"), this);
    variant->setObjectName(QStringLiteral("vargaVariantLabel"));

    birthChart_ = new ChartStyleView(this);
    birthChart_->setObjectName(QStringLiteral("birthChart"));
    chosenChart_ = new ChartStyleView(this);
    chosenChart_->setObjectName(QStringLiteral("navamsaChartLarge"));
    chosenCaption_ = Caption(entryTitle(chooser_->currentIndex()), this);
    chosenCaption_->setObjectName(QStringLiteral("chosenChartCaption"));

    auto* controls = new QHBoxLayout;
    controls->addWidget(chooserCaption);
    controls->addWidget(chooser_);
    controls->addWidget(degreesBox_);
    controls->addStretch(1);
    controls->addWidget(variant);
    auto* grid = new QGridLayout(this);
    grid->addLayout(controls, 0, 0, 1, 2);
    grid->addWidget(Caption(tr("Birth chart (Rasi)"), this), 1, 0, Qt::AlignHCenter);
    grid->addWidget(chosenCaption_, 1, 1, Qt::AlignHCenter);
    grid->addWidget(birthChart_, 2, 0);
    grid->addWidget(chosenChart_, 2, 1);
    grid->setRowStretch(2, 1);

    connect(chooser_, &QComboBox::currentIndexChanged, this, &ChartsPage::chooseChart);
    connect(degreesBox_, &QCheckBox::toggled, this, &ChartsPage::showDegrees);
}

QString ChartsPage::entryTitle(int entry)
{
    if (entry == MoonChartEntry) {
        return tr("Moon chart (Chandra lagna)");
    }
    const vedic::Varga varga = vedic::AllVargas[static_cast<std::size_t>(entry)];
    return tr("%1 (%2)").arg(ShownVargaTitle(varga), ToQString(vedic::VargaName(varga)));
}

void ChartsPage::showChart(const ChartResult& result, const VedicContext&)
{
    result_ = result;
    vargas_ = VargaSignsOf(result.chart);
    redraw();
}

void ChartsPage::setChartStyle(ChartStyle style)
{
    birthChart_->setChartStyle(style);
    chosenChart_->setChartStyle(style);
}

void ChartsPage::chooseChart(int entry)
{
    if (entry < 0 || entry > MoonChartEntry) {
        return;
    }
    if (chooser_->currentIndex() != entry) {
        chooser_->setCurrentIndex(entry);  // comes back here through the signal
        return;
    }
    chosenCaption_->setText(entryTitle(entry));
    redraw();
}

void ChartsPage::showDegrees(bool shown)
{
    if (degreesBox_->isChecked() != shown) {
        degreesBox_->setChecked(shown);
        return;
    }
    redraw();
}

namespace {

ChartStyleInput Marked(ChartStyleInput input, bool lagna, bool moon)
{
    if (lagna) input.labels[static_cast<std::size_t>(input.ascendantSign)].prepend(QStringLiteral("As ?"));
    if (moon) {
        for (QStringList& labels : input.labels) {
            for (QString& label : labels) {
                if (label.startsWith(ShortPointName(Body::Moon))) label += QStringLiteral(" ?");
            }
        }
    }
    return input;
}

}  // namespace

void ChartsPage::markUncertainPoints(bool lagna, bool navamsaLagna, bool moon)
{
    uncertainLagna_ = lagna;
    uncertainNavamsaLagna_ = navamsaLagna;
    uncertainMoon_ = moon;
    redraw();
}

void ChartsPage::redraw()
{
    if (!result_) {
        return;
    }
    const bool degrees = degreesBox_->isChecked();
    const int entry = chooser_->currentIndex();
    birthChart_->setInput(Marked(BirthChartInput(*result_, degrees), uncertainLagna_, uncertainMoon_));
    if (entry == MoonChartEntry) {
        chosenChart_->setInput(MoonChartInput(*result_, degrees));
        return;
    }
    const vedic::Varga varga = vedic::AllVargas[static_cast<std::size_t>(entry)];
    chosenChart_->setInput(Marked(VargaChartInput(*result_, vargas_, varga, degrees),
                                  varga == vedic::Varga::D9 && uncertainNavamsaLagna_, false));
}

}  // namespace zodiora
