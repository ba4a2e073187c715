#pragma once

#include <QMenu>
#include <functional>
#include <vector>

#include "engine/Chart.h"

class QMenuBar;

namespace zodiora {

/// The "&Settings" menu (settingsMenu): how charts are calculated, one
/// submenu per setting: "&Ephemeris" (Classic or Precise), "&Ayanamsa"
/// (six), "&Node" (mean or true) and "&Dasha year" (four lengths). A
/// choice made here is remembered as the default for new charts
/// (VedicSettings) and goes to `apply` with the other settings; `apply`
/// hears the remembered settings at once.
class CalculationMenu : public QMenu {
    Q_OBJECT
public:
    CalculationMenu(std::function<void(const CalculationSettings&)> apply, QWidget* parent = nullptr);

    /// Adds a Settings menu to `bar` before `before` (at the end when null).
    static CalculationMenu* AddTo(QMenuBar* bar, QMenu* before, std::function<void(const CalculationSettings&)> apply);

    const CalculationSettings& settings() const { return settings_; }
    Ephemeris ephemeris() const { return settings_.ephemeris; }

public slots:
    /// The user's choice: marked, remembered as the default, applied.
    void choose(const CalculationSettings& settings);
    /// The ephemeris alone, the other settings kept.
    void chooseEphemeris(Ephemeris ephemeris);
    /// A saved chart's settings: marked and applied, the default left alone.
    void showSettings(const CalculationSettings& settings);

private:
    template <typename Value>
    struct Entry {
        Value value;
        const char* objectName;
        QString caption;
    };
    template <typename Value>
    void addChoices(const QString& title, const char* objectName, Value CalculationSettings::*member,
                    const std::vector<Entry<Value>>& entries);
    void mark();

    std::function<void(const CalculationSettings&)> apply_;
    CalculationSettings settings_;
    std::vector<std::function<void()>> marks_;  ///< each checks its action when its value is chosen
};

}  // namespace zodiora
