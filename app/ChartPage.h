#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QRectF>
#include <QSizeF>

#include "app/vedic/VedicSettings.h"

class QPainter;

namespace zodiora {

struct ChartResult;

/// The chart on one page: whose chart it is, the birth data with place,
/// zone and daylight saving (or the exact offset), the Lagna, Sun and Moon
/// signs, the position table with Rahu and Ketu, and the chart in the
/// chosen style (the wheel, North or South Indian), and under it the
/// calculation line (settings and clock). With extras the birth chart
/// is drawn smaller, the Vimshottari periods running on a day beside it and
/// up to three divisional charts in a row beneath. Laid out
/// in a logical A4 box of tenths of a millimetre and scaled to whatever
/// box it is given, so PDF, SVG, PNG and the printer get the same drawing
/// in their own resolution.
class ChartPage {
    Q_DECLARE_TR_FUNCTIONS(ChartPage)
public:
    /// The logical page: A4 in tenths of a millimetre.
    static constexpr QSizeF LogicalSize{2100, 2970};

    /// Paints the page centred in `page`, as large as fits with its
    /// proportions kept, on a white ground.
    /// `timeNote`, when not empty, names the facts that may change within
    /// the birth time's uncertainty, in red under the signs.
    static void Paint(QPainter& painter, const QRectF& page, const ChartResult& result,
                      ChartStyle style = ChartStyle::Wheel, const ChartPageExtras& extras = {},
                      const QDate& dashaDay = QDate(), const QString& timeNote = {});
};

}  // namespace zodiora
