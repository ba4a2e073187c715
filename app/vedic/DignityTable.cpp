#include "app/vedic/DignityTable.h"

#include "app/Language.h"

#include <QHeaderView>

#include "app/QtText.h"

namespace zodiora {

namespace {

QString DignityText(strength::DignityKind kind)
{
    switch (kind) {
    case strength::DignityKind::Exalted: return DignityTable::tr("exalted");
    case strength::DignityKind::Debilitated: return DignityTable::tr("debilitated");
    case strength::DignityKind::Moolatrikona: return DignityTable::tr("moolatrikona");
    case strength::DignityKind::Own: return DignityTable::tr("own sign");
    case strength::DignityKind::GreatFriend: return DignityTable::tr("great friend's sign");
    case strength::DignityKind::Friend: return DignityTable::tr("friend's sign");
    case strength::DignityKind::Neutral: return DignityTable::tr("neutral sign");
    case strength::DignityKind::Enemy: return DignityTable::tr("enemy's sign");
    case strength::DignityKind::GreatEnemy: return DignityTable::tr("great enemy's sign");
    }
    return {};
}

}  // namespace

DignityTable::DignityTable(QWidget* parent) : QTableWidget(vedic::GrahaCount, ColumnCount, parent)
{
    setHorizontalHeaderLabels({tr("Planet"), tr("Dignity"), tr("From the Sun"), tr("Motion"), tr("Aspects (houses)")});
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAlternatingRowColors(true);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
}

void DignityTable::showDignities(const strength::Dignities& dignities)
{
    for (const vedic::Graha graha : vedic::AllGrahas) {
        const strength::PlanetDignity& planet = dignities.of(graha);
        QString fromSun;
        if (graha != vedic::Graha::Sun) {
            fromSun = QStringLiteral("%1°").arg(planet.distanceFromSun, 0, 'f', 1);
            if (planet.combust) fromSun += tr(", combust");
        }
        QStringList houses;
        for (const int house : planet.aspects) houses << QString::number(house);
        const QStringList cells{ShownEnglishName(ToQString(vedic::GrahaName(graha))), DignityText(planet.dignity), fromSun,
                                planet.retrograde ? tr("retrograde") : tr("direct"), houses.join(QStringLiteral(", "))};
        const int row = static_cast<int>(vedic::IndexOf(graha));
        for (int column = 0; column < ColumnCount; ++column) {
            setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
}

}  // namespace zodiora
