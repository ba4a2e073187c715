#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QTextEdit;

namespace zodiora {

struct ChartResult;
class NatalWheel;
class Platform;

/// The results form: the person's details, the three signs, the position
/// table, the natal wheel and the interpretation report box. Created
/// afresh for every chart.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(Platform& platform, QWidget* parent = nullptr);

    /// Shows one chart's texts, wheel and glyphs, and writes its report
    /// (updating the run's `readings`) into the report box.
    void showChart(const ChartResult& result);

    /// The report box's plain text, paragraph breaks as CR LF.
    QString reportText() const;

    /// Marks the Ascendant and the Moon on the wheel as uncertain (their
    /// sign may differ within the birth time's uncertainty), or clears it.
    void markUncertainPoints(bool ascendant, bool moon);

private:
    QWidget* buildDetails();
    QWidget* buildSigns();
    QWidget* buildPositions();

    Platform& platform_;
    QLabel* nameLabel_;
    QLabel* birthDateLabel_;
    QLabel* birthTimeLabel_;
    QLabel* longitudeLabel_;
    QLabel* latitudeLabel_;
    QLabel* cityLabel_;
    QLabel* stateLabel_;
    QLabel* countryLabel_;
    QLabel* ascendantLabel_;
    QLabel* sunSignLabel_;
    QLabel* moonSignLabel_;
    std::array<QLabel*, 11> positionLabels_;
    NatalWheel* wheel_;
    std::array<QString, 12> houses_;  ///< the wheel's texts as the chart gives them
    QTextEdit* reportBox_;
};

}  // namespace zodiora
