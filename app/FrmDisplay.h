#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QTextEdit;

namespace zodiora {

struct ChartDisplay;
class LinkLabel;
class NatalWheel;
class Platform;

/// The results form: the person's details, the three signs, the position
/// table, the natal wheel and the interpretation report box. Created
/// afresh for every chart.
class FrmDisplay : public QWidget {
    Q_OBJECT
public:
    static constexpr int DesignWidth = 13320;  ///< twips
    static constexpr int DesignHeight = 9900;  ///< twips

    explicit FrmDisplay(Platform& platform, QWidget* parent = nullptr);

    /// Shows one chart's texts, wheel and glyphs (the report is written
    /// into RTBHouseDesc separately).
    void Fill(const ChartDisplay& chart);

    QLabel* lblName;
    QLabel* lblDOB;
    QLabel* lblTOB;
    QLabel* lblLongitude;
    QLabel* lblLatitude;
    QLabel* lblCity;
    QLabel* lblState;
    QLabel* lblCountry;
    QLabel* lblLagna;
    QLabel* lblSunSign;
    QLabel* lblRashi;
    std::array<QLabel*, 11> PlanetName;
    std::array<QLabel*, 11> lblPlanet;
    NatalWheel* picNatal;
    QTextEdit* RTBHouseDesc;
    LinkLabel* Label3;

private:
    QWidget* buildDetails();
    QWidget* buildOtherDetails();
    QWidget* buildPositions();

    Platform& platform_;
};

}  // namespace zodiora
