#include "app/vedic/AshtakavargaGrid.h"

#include "app/Language.h"

#include <QHeaderView>
#include <numeric>

#include "app/QtText.h"
#include "engine/PositionText.h"

namespace zodiora {

namespace {

constexpr int RowCount = vedic::GrahaCount + 2;  // the planets, Sarva, Lagna
constexpr int TotalColumn = 12;

}  // namespace

AshtakavargaGrid::AshtakavargaGrid(QWidget* parent) : QTableWidget(RowCount, TotalColumn + 1, parent)
{
    QStringList signs;
    for (int sign = 0; sign < 12; ++sign) signs << ShortSignName(sign);
    signs << tr("Total");
    setHorizontalHeaderLabels(signs);
    QStringList rows;
    for (const vedic::Graha graha : vedic::AllGrahas) rows << ShownEnglishName(ToQString(vedic::GrahaName(graha)));
    rows << tr("Sarva") << tr("Lagna");
    setVerticalHeaderLabels(rows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void AshtakavargaGrid::showAshtakavarga(const strength::Ashtakavarga& ashtakavarga)
{
    auto fill = [&](int row, const strength::SignPoints& points, bool bold) {
        for (int column = 0; column <= TotalColumn; ++column) {
            const int value = column == TotalColumn ? std::accumulate(points.begin(), points.end(), 0)
                                                    : points[static_cast<std::size_t>(column)];
            auto* item = new QTableWidgetItem(QString::number(value));
            item->setTextAlignment(Qt::AlignCenter);
            if (bold) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            setItem(row, column, item);
        }
    };
    for (const vedic::Graha graha : vedic::AllGrahas) {
        fill(static_cast<int>(vedic::IndexOf(graha)), ashtakavarga.bhinna[vedic::IndexOf(graha)], false);
    }
    fill(vedic::GrahaCount, ashtakavarga.sarva, true);
    fill(vedic::GrahaCount + 1, ashtakavarga.lagna, false);
}

}  // namespace zodiora
