#pragma once

#include <QMenu>
#include <functional>

#include "engine/Chart.h"

class QAction;
class QMenuBar;

namespace zodiora {

/// The "&Settings" menu (settingsMenu) with its "&Ephemeris" choice,
/// "&Classic" or "&Precise". The choice is remembered; `apply` hears the
/// remembered one at once and every later change.
class EphemerisMenu : public QMenu {
    Q_OBJECT
public:
    EphemerisMenu(std::function<void(Ephemeris)> apply, QWidget* parent = nullptr);

    /// Adds a Settings menu to `bar` before `before` (at the end when null).
    static EphemerisMenu* AddTo(QMenuBar* bar, QMenu* before, std::function<void(Ephemeris)> apply);

    Ephemeris ephemeris() const;

public slots:
    void choose(Ephemeris ephemeris);

private:
    std::function<void(Ephemeris)> apply_;
    QAction* classic_;
    QAction* precise_;
};

}  // namespace zodiora
