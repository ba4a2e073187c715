#include "app/vedic/ShadbalaTable.h"

#include "app/Language.h"

#include <QHeaderView>

#include "app/QtText.h"

namespace zodiora {

ShadbalaTable::ShadbalaTable(QWidget* parent) : QTableWidget(vedic::GrahaCount, ColumnCount, parent)
{
    setHorizontalHeaderLabels({tr("Planet"), tr("Sthana"), tr("Dig"), tr("Kala"), tr("Chesta"), tr("Naisargika"),
                               tr("Drik"), tr("Total"), tr("Rupas"), tr("Minimum"), tr("Ratio")});
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAlternatingRowColors(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(false);
    for (const vedic::Graha graha : vedic::AllGrahas) {
        setItem(static_cast<int>(vedic::IndexOf(graha)), Planet, new QTableWidgetItem(ShownEnglishName(ToQString(vedic::GrahaName(graha)))));
    }
}

void ShadbalaTable::showShadbala(const strength::Shadbala& shadbala)
{
    for (const vedic::Graha graha : vedic::AllGrahas) {
        const strength::GrahaStrength& p = shadbala.of(graha);
        const int row = static_cast<int>(vedic::IndexOf(graha));
        const double virupas[]{p.sthana, p.dig, p.kala, p.chesta, p.naisargika, p.drik, p.total};
        for (int column = Sthana; column <= Total; ++column) {
            auto* item = new QTableWidgetItem(QString::number(virupas[column - Sthana], 'f', 2));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(row, column, item);
        }
        const double rest[]{p.rupas, p.required, p.ratio};
        for (int column = Rupas; column <= Ratio; ++column) {
            auto* item = new QTableWidgetItem(QString::number(rest[column - Rupas], 'f', 2));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(row, column, item);
        }
    }
}

void ShadbalaTable::showNone()
{
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = Sthana; column < ColumnCount; ++column) setItem(row, column, new QTableWidgetItem);
    }
}

}  // namespace zodiora
