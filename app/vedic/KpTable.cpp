#include "app/vedic/KpTable.h"

#include "app/Language.h"

#include <QHeaderView>

#include "app/QtText.h"
#include "engine/PositionText.h"
#include "presentation/ChartSession.h"
#include "vedic/KpLords.h"

namespace zodiora {

KpTable::KpTable(QWidget* parent) : QTableWidget(PointCount, ColumnCount, parent)
{
    setObjectName(QStringLiteral("kpTable"));
    setHorizontalHeaderLabels({tr("Point"), tr("Position"), tr("Star lord"), tr("Sub lord"), tr("Sub-sub lord")});
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAlternatingRowColors(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
}

void KpTable::showChart(const ChartResult& result, const VedicContext&)
{
    for (const Body body : AllPoints) {
        const double longitude = result.chart.longitude(body);
        const vedic::KpLords lords = vedic::KpLordsOf(longitude);
        const QStringList cells{PointName(body), ShownPosition(ToQString(LongPositionText(longitude))),
                                ShownEnglishName(ToQString(vedic::DashaLordName(lords.star))), ShownEnglishName(ToQString(vedic::DashaLordName(lords.sub))),
                                ShownEnglishName(ToQString(vedic::DashaLordName(lords.subSub)))};
        for (int column = 0; column < ColumnCount; ++column) {
            setItem(static_cast<int>(IndexOf(body)), column, new QTableWidgetItem(cells[column]));
        }
    }
}

}  // namespace zodiora
