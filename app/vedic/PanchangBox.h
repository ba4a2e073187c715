#pragma once

#include <QGroupBox>
#include <array>

class QLabel;

namespace zodiora {

struct ChartResult;

/// The panchang at birth on the Summary page: tithi, vara, nakshatra, yoga
/// and karana with the moments they end, sunrise and sunset, on the birth's
/// clock, and how the sunrise is reckoned.
class PanchangBox : public QGroupBox {
    Q_OBJECT
public:
    explicit PanchangBox(QWidget* parent = nullptr);

    void showChart(const ChartResult& result);

    /// The row texts in order: tithi, vara, nakshatra, yoga, karana, sunrise, sunset.
    QStringList rowTexts() const;

private:
    std::array<QLabel*, 7> values_{};
};

}  // namespace zodiora
