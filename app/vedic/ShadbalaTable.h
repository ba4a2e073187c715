#pragma once

#include <QTableWidget>

#include "strength/Shadbala.h"

namespace zodiora {

/// Sun .. Saturn: the six balas in virupas, the total in rupas, the
/// minimum (B.V. Raman's) and the ratio (strength/Shadbala.h).
class ShadbalaTable : public QTableWidget {
    Q_OBJECT
public:
    enum Column { Planet, Sthana, Dig, Kala, Chesta, Naisargika, Drik, Total, Rupas, Required, Ratio, ColumnCount };
    explicit ShadbalaTable(QWidget* parent = nullptr);
    void showShadbala(const strength::Shadbala& shadbala);
    /// Empties the cells where there is no Shadbala (no sunrise or sunset that day).
    void showNone();
};

}  // namespace zodiora
