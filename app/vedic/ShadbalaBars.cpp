#include "app/vedic/ShadbalaBars.h"

#include "app/Language.h"

#include <QPainter>
#include <algorithm>

namespace zodiora {

namespace {

// The seven grahas in the Shadbala order, named by the vocabulary in the windows' language.
const std::array<const char*, 7> Names{"Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus", "Saturn"};

}  // namespace

ShadbalaBars::ShadbalaBars(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ShadbalaBars::setStrengths(const std::array<double, 7>& rupas, const std::array<double, 7>& required)
{
    rupas_ = rupas;
    required_ = required;
    shown_ = true;
    update();
}

void ShadbalaBars::clear()
{
    shown_ = false;
    update();
}

QSize ShadbalaBars::sizeHint() const
{
    const int line = fontMetrics().height() + 6;
    return {360, line * 8};
}

QSize ShadbalaBars::minimumSizeHint() const
{
    const int line = fontMetrics().height() + 6;
    return {200, line * 8};
}

void ShadbalaBars::paintEvent(QPaintEvent*)
{
    if (!shown_) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int line = height() / 8;
    int nameWidth = 0;
    for (const char* name : Names) {
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(ShownEnglishName(QLatin1String(name))));
    }
    const int valueWidth = metrics.horizontalAdvance(QStringLiteral("00.00 / 0.0"));
    const int left = nameWidth + 12;
    const int room = std::max(20, width() - left - valueWidth - 16);
    double scale = 10;
    for (std::size_t k = 0; k < 7; ++k) scale = std::max({scale, rupas_[k], required_[k]});
    const QColor bar = palette().color(QPalette::Highlight);
    const QColor ink = palette().color(QPalette::WindowText);
    for (std::size_t k = 0; k < 7; ++k) {
        const int top = static_cast<int>(k + 1) * line;
        const QRect nameBox(4, top, nameWidth, line);
        painter.setPen(ink);
        painter.drawText(nameBox, Qt::AlignVCenter | Qt::AlignLeft, ShownEnglishName(QLatin1String(Names[k])));
        const int length = static_cast<int>(room * std::max(0.0, rupas_[k]) / scale);
        const QRect barBox(left, top + line / 5, length, line * 3 / 5);
        if (rupas_[k] >= required_[k]) {
            painter.fillRect(barBox, bar);
        } else {
            painter.fillRect(barBox, QBrush(bar, Qt::BDiagPattern));
            painter.setPen(bar);
            painter.drawRect(barBox.adjusted(0, 0, -1, -1));
        }
        const int mark = left + static_cast<int>(room * required_[k] / scale);
        painter.setPen(QPen(ink, 2));
        painter.drawLine(mark, top + 1, mark, top + line - 1);
        painter.setPen(ink);
        painter.drawText(QRect(left + room + 8, top, valueWidth + 8, line), Qt::AlignVCenter | Qt::AlignLeft,
                         QStringLiteral("%1 / %2").arg(rupas_[k], 0, 'f', 2).arg(required_[k], 0, 'f', 1));
    }
    painter.setPen(ink);
    painter.drawText(QRect(left, 0, room, line), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("rupas; the mark is the minimum"));
}

}  // namespace zodiora
