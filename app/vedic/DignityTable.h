#pragma once

#include <QTableWidget>

#include "strength/Dignity.h"

namespace zodiora {

/// Sun .. Saturn: dignity, distance from the Sun with combustion, motion
/// and the houses each aspects (strength/Dignity.h).
class DignityTable : public QTableWidget {
    Q_OBJECT
public:
    enum Column { Planet, Dignity, FromSun, Motion, Aspects, ColumnCount };
    explicit DignityTable(QWidget* parent = nullptr);
    void showDignities(const strength::Dignities& dignities);
};

}  // namespace zodiora
