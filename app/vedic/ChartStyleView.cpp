#include "app/vedic/ChartStyleView.h"

#include "app/Language.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "app/NatalWheel.h"
#include "app/charts/NorthIndianChart.h"
#include "app/charts/SouthIndianChart.h"

namespace zodiora {

ChartStyleView::ChartStyleView(QWidget* parent) : QWidget(parent), wheel_(new NatalWheel(this))
{
    setObjectName(QStringLiteral("chartStyleView"));
    wheel_->setObjectName(QStringLiteral("styleWheel"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(240, 240);
}

void ChartStyleView::setInput(const ChartStyleInput& input)
{
    input_ = input;
    fillWheel();
    update();
}

void ChartStyleView::setChartStyle(ChartStyle style)
{
    style_ = style;
    wheel_->setVisible(style_ == ChartStyle::Wheel);
    placeWheel();
    update();
}

QSize ChartStyleView::sizeHint() const
{
    return {420, 420};
}

// The wheel numbers its houses from the rising sign, so house k holds the
// sign k places on; the Ascendant leads house 1 as on the results form.
void ChartStyleView::fillWheel()
{
    std::array<QString, 12> houses;
    std::array<int, 12> glyphs{};
    for (int house = 0; house < 12; ++house) {
        const int sign = (input_.ascendantSign + house) % 12;
        QStringList lines = input_.labels[static_cast<std::size_t>(sign)];
        if (house == 0) {
            lines.prepend(input_.risingLabel);
        }
        houses[static_cast<std::size_t>(house)] = lines.join(QStringLiteral("\r\n"));
        glyphs[static_cast<std::size_t>(house)] = sign + 1;
    }
    wheel_->setHouses(houses);
    wheel_->setGlyphs(glyphs);
}

void ChartStyleView::placeWheel()
{
    const double aspect = NatalWheel::DesignWidth / NatalWheel::DesignHeight;
    const int w = std::min(width(), static_cast<int>(height() * aspect));
    const int h = static_cast<int>(w / aspect);
    wheel_->setGeometry((width() - w) / 2, (height() - h) / 2, w, h);
}

void ChartStyleView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeWheel();
}

void ChartStyleView::paintEvent(QPaintEvent*)
{
    if (style_ == ChartStyle::Wheel) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double side = std::min(width(), height()) - 2;
    const QRectF box((width() - side) / 2, (height() - side) / 2, side, side);
    if (style_ == ChartStyle::NorthIndian) {
        NorthIndianChart::Paint(painter, box, input_);
    } else {
        SouthIndianChart::Paint(painter, box, input_);
    }
}

}  // namespace zodiora
