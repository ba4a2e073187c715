#pragma once

#include <QDate>
#include <QWidget>

#include "app/vedic/VedicSettings.h"

class QComboBox;
class QLabel;
class QStackedWidget;

namespace zodiora {

struct ChartResult;
class ChartStyleView;
class DashaTree;
class NakshatraTable;
class NavamsaView;

/// The Vedic reading of one chart, one page at a time: nakshatras, the
/// Navamsa, the birth chart and the Navamsa drawn in the chosen style, and
/// the Vimshottari periods. A header names the ephemeris the chart used and
/// holds the chart style, which is remembered for the next window.
class VedicPanel : public QWidget {
    Q_OBJECT
public:
    enum Page { Nakshatras, Navamsa, Charts, Dasha, PageCount };

    explicit VedicPanel(QWidget* parent = nullptr);

    /// The pages' titles, in page order.
    static QStringList pageTitles();

    /// Shows `result`'s reading; the periods running on `today` are highlighted.
    void showChart(const ChartResult& result, const QDate& today);

    void setPage(Page page);

public slots:
    /// Draws every chart of the panel in the style at `index` of the style box and remembers it.
    void chooseStyle(int index);

private:
    QWidget* buildHeader();
    QWidget* buildCharts();
    void applyStyle(ChartStyle style);

    QLabel* ephemerisLabel_;
    QComboBox* styleBox_;
    QStackedWidget* pages_;
    NakshatraTable* nakshatras_;
    NavamsaView* navamsa_;
    ChartStyleView* birthChart_;
    ChartStyleView* navamsaChart_;
    DashaTree* dasha_;
};

}  // namespace zodiora
