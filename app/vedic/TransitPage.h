#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "app/vedic/VedicPage.h"
#include "engine/Chart.h"
#include "transits/SadeSati.h"

class QDateTimeEdit;
class QLabel;
class QTableWidget;

namespace zodiora {

class ChartStyleView;

/// The sky at a chosen moment (now unless another is chosen) over the birth
/// chart: the transit chart in the chosen style, every point's position,
/// nakshatra and houses from the natal Lagna and Moon, the running dasha
/// and Saturn's Sade Sati from birth to 100 years after.
class TransitPage : public QWidget, public VedicPage {
    Q_OBJECT
public:
    explicit TransitPage(QWidget* parent = nullptr);

    QString title() const override { return tr("Transits"); }
    void showChart(const ChartResult& result, const VedicContext& context) override;
    void setChartStyle(ChartStyle style) override;
    QWidget* widget() override { return this; }

    /// The moment the page shows, in universal time.
    QDateTime moment() const;
    void setMoment(const QDateTime& moment);

public slots:
    /// Shows the transits at the moment in the field.
    void showMoment();
    /// Sets the field to the present moment and shows it.
    void showNow();

private:
    void fillSadeSati();

    QDateTimeEdit* momentField_;
    QLabel* momentNote_;
    ChartStyleView* chart_;
    QTableWidget* table_;
    QLabel* dashaLabel_;
    QLabel* sadeSatiLabel_;
    QTableWidget* sadeSatiTable_;
    std::optional<Chart> natal_;
    int offsetSeconds_ = 0;
    std::vector<transits::SadeSatiSpan> spans_;
};

}  // namespace zodiora
