#include "app/vedic/VargaTable.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Language.h"
#include "app/QtText.h"
#include "engine/ChartVargas.h"
#include "engine/SignNames.h"
#include "presentation/ChartSession.h"

namespace zodiora {

VargaTable::VargaTable(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("vargaTablePage"));
    variantLabel_ = new QLabel(this);
    variantLabel_->setObjectName(QStringLiteral("vargaTableVariant"));
    variantLabel_->setWordWrap(true);
    table_ = new QTableWidget(PointCount, 1 + vedic::VargaCount, this);
    table_->setObjectName(QStringLiteral("vargaTable"));
    QStringList headers{tr("Point")};
    for (const vedic::Varga varga : vedic::AllVargas) {
        headers << ToQString(vedic::VargaName(varga));
    }
    table_->setHorizontalHeaderLabels(headers);
    for (int column = 1; column <= vedic::VargaCount; ++column) {
        const vedic::Varga varga = vedic::AllVargas[static_cast<std::size_t>(column - 1)];
        table_->horizontalHeaderItem(column)->setToolTip(ShownVargaTitle(varga));
    }
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setAlternatingRowColors(true);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(variantLabel_);
    layout->addWidget(table_, 1);
}

void VargaTable::showChart(const ChartResult& result, const VedicContext&)
{
    const VargaSigns signs = VargaSignsOf(result.chart);
    variantLabel_->setText(tr("Signs of every point in the sixteen divisional charts by %1's rules (BPHS ch. 6). "
                              "\u2605 vargottama: the same sign in D1 and D9.")
                               .arg(signs.variant == vedic::VargaVariant::Parivritti ? tr("Parivritti") : tr("Parashara")));
    QFont bold = table_->font();
    bold.setBold(true);
    for (const Body body : AllPoints) {
        const int row = static_cast<int>(IndexOf(body));
        const bool vargottama = signs.vargottama(body);
        const QString shown = ShownEnglishName(ToQString(NameOf(body)));
        auto* name = new QTableWidgetItem(vargottama ? shown + QStringLiteral(" \u2605") : shown);
        if (vargottama) {
            name->setToolTip(tr("Vargottama: the same sign in the birth chart and the Navamsa"));
        }
        table_->setItem(row, PointColumn, name);
        for (int column = 1; column <= vedic::VargaCount; ++column) {
            const vedic::Varga varga = vedic::AllVargas[static_cast<std::size_t>(column - 1)];
            auto* cell = new QTableWidgetItem(
                ShortSignName(signs.sign(body, varga)));
            cell->setTextAlignment(Qt::AlignCenter);
            if (vargottama && (varga == vedic::Varga::D1 || varga == vedic::Varga::D9)) {
                cell->setFont(bold);
            }
            table_->setItem(row, column, cell);
        }
    }
}

}  // namespace zodiora
