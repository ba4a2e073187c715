#pragma once

#include <QTableWidget>

#include "strength/Ashtakavarga.h"

namespace zodiora {

/// The bindus of Sun .. Saturn by sign, the Sarvashtakavarga and the
/// Lagna's own row, with their totals (strength/Ashtakavarga.h).
class AshtakavargaGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit AshtakavargaGrid(QWidget* parent = nullptr);
    void showAshtakavarga(const strength::Ashtakavarga& ashtakavarga);
};

}  // namespace zodiora
