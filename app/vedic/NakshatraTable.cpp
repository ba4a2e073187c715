#include "app/vedic/NakshatraTable.h"

#include "app/Language.h"

#include <QHeaderView>

#include "app/QtText.h"
#include "engine/PositionText.h"
#include "engine/SignNames.h"
#include "presentation/ChartSession.h"
#include "presentation/VedicDetails.h"

namespace zodiora {

NakshatraTable::NakshatraTable(QWidget* parent) : QTableWidget(PointCount, ColumnCount, parent)
{
    setObjectName(QStringLiteral("nakshatraTable"));
    setHorizontalHeaderLabels({tr("Point"), tr("Position"), tr("Nakshatra"), tr("Pada"), tr("Lord"), tr("Navamsa")});
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAlternatingRowColors(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
}

void NakshatraTable::showChart(const ChartResult& result, const VedicContext& context)
{
    const VedicDetails& details = context.details;
    for (Body body : AllPoints) {
        const std::size_t k = IndexOf(body);
        const NakshatraEntry& entry = details.nakshatras[k];
        const QStringList cells{PointName(body),
                                ShownPosition(ToQString(LongPositionText(result.chart.longitude(body)))),
                                ShownEnglishName(ToQString(entry.name)),
                                QString::number(entry.pada),
                                ShownEnglishName(ToQString(entry.lord)),
                                ShownName(vocabulary::Kind::Sign, details.navamsa[k])};
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column == Pada) {
                item->setTextAlignment(Qt::AlignCenter);
            }
            setItem(static_cast<int>(k), column, item);
        }
    }
}

}  // namespace zodiora
