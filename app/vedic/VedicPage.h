#pragma once

#include <QDate>
#include <QString>

#include "app/vedic/VedicSettings.h"

class QWidget;

namespace zodiora {

struct ChartResult;
struct VedicDetails;

/// What every Vedic page may read beside the chart, made once per chart.
/// A page that needs more (a date chosen by the user, a transit moment)
/// adds a field here and VedicPanel::showChart fills it.
struct VedicContext {
    QDate today;                  ///< the periods running on this day are marked
    const VedicDetails& details;  ///< nakshatras, Navamsa signs and dasha periods
};

/// One page of the results window's Vedic tabs. A page is a QWidget class
/// that also derives from VedicPage; MakeVedicPages (VedicPages.cpp) lists
/// them in tab order, so a new page is its class and one line there.
class VedicPage {
public:
    virtual ~VedicPage() = default;

    /// The page's tab.
    virtual QString title() const = 0;
    /// Shows one chart; called for every page when a chart is shown.
    virtual void showChart(const ChartResult& result, const VedicContext& context) = 0;
    /// Pages that draw charts follow the style box; the others ignore it.
    virtual void setChartStyle(ChartStyle) {}
    /// The page itself.
    virtual QWidget* widget() = 0;
};

}  // namespace zodiora
