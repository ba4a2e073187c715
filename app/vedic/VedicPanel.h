#pragma once

#include <QDate>
#include <QWidget>
#include <vector>

#include "app/vedic/VedicSettings.h"

class QComboBox;
class QLabel;
class QStackedWidget;

namespace zodiora {

struct ChartResult;
class VedicPage;

/// The Vedic reading of one chart, one page at a time: the pages of
/// MakeVedicPages (nakshatras, the Navamsa, the birth chart and the Navamsa
/// drawn in the chosen style, the Vimshottari periods, the KP lords...). A
/// header names the ephemeris and ayanamsa the chart used and holds the
/// chart style, which is remembered for the next window.
class VedicPanel : public QWidget {
    Q_OBJECT
public:
    explicit VedicPanel(QWidget* parent = nullptr);

    /// The pages' titles, in page order.
    QStringList pageTitles() const;

    /// Shows `result`'s reading on every page; the periods running on `today` are highlighted.
    void showChart(const ChartResult& result, const QDate& today);

    /// Shows page `index` (in pageTitles() order).
    void setPage(int index);

public slots:
    /// Draws every chart of the panel in the style at `index` of the style box and remembers it.
    void chooseStyle(int index);

private:
    QWidget* buildHeader();
    void applyStyle(ChartStyle style);

    QLabel* ephemerisLabel_;
    QComboBox* styleBox_;
    QStackedWidget* stack_;
    std::vector<VedicPage*> pages_;
};

}  // namespace zodiora
