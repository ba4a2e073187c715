#include "app/vedic/StrengthPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/Language.h"
#include "app/QtText.h"
#include "app/vedic/AshtakavargaGrid.h"
#include "app/vedic/ChartStyleView.h"
#include "app/vedic/DignityTable.h"
#include "app/vedic/ShadbalaBars.h"
#include "app/vedic/ShadbalaTable.h"
#include "presentation/ChartSession.h"
#include "strength/ChartStrength.h"

namespace zodiora {

namespace {

/// A table as tall as its rows, so the page scrolls rather than the table.
void FitHeight(QTableWidget* table)
{
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QLabel* Note(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

StrengthPage::StrengthPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("strengthPage"));
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("strengthScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    auto* column = new QVBoxLayout(content);

    auto* dignityBox = new QGroupBox(tr("Dignity, combustion and aspects"), content);
    dignityTable_ = new DignityTable(dignityBox);
    dignityTable_->setObjectName(QStringLiteral("dignityTable"));
    FitHeight(dignityTable_);
    auto* dignityLayout = new QVBoxLayout(dignityBox);
    dignityLayout->addWidget(dignityTable_);
    auto* dignityNote = Note(dignityBox);
    dignityNote->setText(tr("Dignity by BPHS ch. 3 (the compound relationship with the sign's lord); combust within "
                            "the Surya Siddhanta's distances from the Sun; aspects counted from the planet's sign."));
    dignityLayout->addWidget(dignityNote);
    column->addWidget(dignityBox);

    auto* shadbalaBox = new QGroupBox(tr("Shadbala (virupas; 60 virupas = 1 rupa)"), content);
    shadbalaTable_ = new ShadbalaTable(shadbalaBox);
    shadbalaTable_->setObjectName(QStringLiteral("shadbalaTable"));
    FitHeight(shadbalaTable_);
    shadbalaBars_ = new ShadbalaBars(shadbalaBox);
    shadbalaBars_->setObjectName(QStringLiteral("shadbalaBars"));
    shadbalaNote_ = Note(shadbalaBox);
    shadbalaNote_->setObjectName(QStringLiteral("shadbalaNote"));
    auto* shadbalaLayout = new QVBoxLayout(shadbalaBox);
    shadbalaLayout->addWidget(shadbalaTable_);
    shadbalaLayout->addWidget(shadbalaBars_);
    shadbalaLayout->addWidget(shadbalaNote_);
    column->addWidget(shadbalaBox);

    auto* ashtakavargaBox = new QGroupBox(tr("Ashtakavarga"), content);
    ashtakavargaTable_ = new AshtakavargaGrid(ashtakavargaBox);
    ashtakavargaTable_->setObjectName(QStringLiteral("ashtakavargaTable"));
    FitHeight(ashtakavargaTable_);
    sarvaChart_ = new ChartStyleView(ashtakavargaBox);
    sarvaChart_->setObjectName(QStringLiteral("sarvaChart"));
    sarvaChart_->setMinimumSize(280, 280);
    ashtakavargaSource_ = Note(ashtakavargaBox);
    ashtakavargaSource_->setObjectName(QStringLiteral("ashtakavargaSource"));
    auto* grid = new QGridLayout(ashtakavargaBox);
    grid->addWidget(ashtakavargaTable_, 0, 0, Qt::AlignTop);
    grid->addWidget(sarvaChart_, 0, 1);
    grid->addWidget(ashtakavargaSource_, 1, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    column->addWidget(ashtakavargaBox);
    column->addStretch(1);

    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

void StrengthPage::showChart(const ChartResult& result, const VedicContext&)
{
    const Chart& chart = result.chart;
    dignityTable_->showDignities(strength::ChartDignities(chart));

    if (const auto shadbala = strength::ChartShadbala(chart)) {
        shadbalaTable_->showShadbala(*shadbala);
        std::array<double, 7> rupas{};
        std::array<double, 7> required{};
        for (const vedic::Graha graha : vedic::AllGrahas) {
            rupas[vedic::IndexOf(graha)] = shadbala->of(graha).rupas;
            required[vedic::IndexOf(graha)] = shadbala->of(graha).required;
        }
        shadbalaBars_->setStrengths(rupas, required);
        shadbalaNote_->setText(tr("BPHS ch. 27 as B.V. Raman works it in \"Graha and Bhava Balas\"; the minimum in "
                                  "rupas is his (Sun 5, Moon 6, Mars 5, Mercury 7, Jupiter 6.5, Venus 5.5, Saturn 5)."));
    } else {
        shadbalaTable_->showNone();
        shadbalaBars_->clear();
        shadbalaNote_->setText(tr("No Shadbala: the Sun neither rises nor sets on the birth day at this place, "
                                  "so its Kala bala cannot be found."));
    }

    const strength::Ashtakavarga ashtakavarga = strength::ChartAshtakavarga(chart, chart.settings.ashtakavarga);
    ashtakavargaTable_->showAshtakavarga(ashtakavarga);
    ChartStyleInput sarva;
    sarva.ascendantSign = strength::SignOf(chart.longitude(Body::Ascendant));
    sarva.risingLabel = ShortPointName(Body::Ascendant);
    for (std::size_t sign = 0; sign < 12; ++sign) sarva.labels[sign] = {QString::number(ashtakavarga.sarva[sign])};
    sarva.title = tr("Sarva");
    sarvaChart_->setInput(sarva);
    ashtakavargaSource_->setText(tr("Bindus by sign from the table of %1 (Settings, Ashtakavarga table); "
                                    "the Sarvashtakavarga in the chart.")
                                     .arg(ashtakavarga.table == AshtakavargaTable::Raman
                                              ? tr("B.V. Raman, Ashtakavarga System of Prediction")
                                              : tr("P.V.R. Narasimha Rao, Vedic Astrology: An Integrated Approach")));
}

void StrengthPage::setChartStyle(ChartStyle style)
{
    sarvaChart_->setChartStyle(style);
}

}  // namespace zodiora
