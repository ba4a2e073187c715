#pragma once

#include <QWidget>

#include "app/charts/ChartStyleInput.h"
#include "app/vedic/VedicSettings.h"

namespace zodiora {

class NatalWheel;

/// One chart (the birth chart or the Navamsa) drawn in the chosen style:
/// the natal wheel with the sign glyphs turned to the rising sign, or the
/// North or South Indian square. Vector-drawn, kept square (or at the
/// wheel's proportions) and centred in whatever room it gets.
class ChartStyleView : public QWidget {
    Q_OBJECT
public:
    explicit ChartStyleView(QWidget* parent = nullptr);

    void setInput(const ChartStyleInput& input);
    const ChartStyleInput& input() const { return input_; }

    void setChartStyle(ChartStyle style);
    ChartStyle chartStyle() const { return style_; }

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fillWheel();
    void placeWheel();

    ChartStyleInput input_;
    ChartStyle style_ = ChartStyle::Wheel;
    NatalWheel* wheel_;
};

}  // namespace zodiora
