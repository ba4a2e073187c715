#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "app/PageOutput.h"
#include "app/vedic/VedicSettings.h"

class QAction;
class QMenu;
class QPrinter;
class QWidget;

namespace zodiora {

struct ChartResult;
class Platform;

/// "Export Chart…" and "Print Chart…" of a results window: the chart page
/// (ChartPage) as a PDF, PNG or SVG file, or on paper after a preview.
class ChartPageActions : public QObject {
    Q_OBJECT
public:
    /// Puts the two entries and the "Chart Page Shows" menu, then a
    /// separator, at the top of `fileMenu`.
    ChartPageActions(Platform& platform, QWidget* window, QMenu* fileMenu);
    ~ChartPageActions() override;

    /// The chart the entries work on (nothing until set).
    void setChart(const ChartResult& result);
    /// The page's note of facts that hang on the birth minute; empty for none.
    void setTimeNote(const QString& note) { timeNote_ = note; }

    /// The PNG export's size: A4 at 300 dots per inch.
    static constexpr int PngWidth = PageOutput::PngWidth;
    static constexpr int PngHeight = PageOutput::PngHeight;

    /// Writes the page to `path`, the format from its suffix (pdf, png,
    /// svg), carrying `extras` (the running dasha as of today); answers an
    /// empty string or why it could not.
    static QString ExportPage(const ChartResult& result, const QString& path, const ChartPageExtras& extras = {},
                              const QString& timeNote = {});

    /// What the "Chart Page Shows" entries have ticked.
    ChartPageExtras extras() const;

public slots:
    /// Asks for a file and writes the page there.
    void exportChart();
    /// Shows the page in a print preview, from which it can be printed.
    void printChart();

private slots:
    void rememberExtras();

private:
    QMenu* buildExtrasMenu(QWidget* parent);
    void limitVargas();

    Platform& platform_;
    QAction* dashaAction_ = nullptr;
    std::vector<QAction*> vargaActions_;
    QWidget* window_;
    std::unique_ptr<ChartResult> chart_;
    QString timeNote_;
};

}  // namespace zodiora
