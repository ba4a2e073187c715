#include "app/ChartPageActions.h"

#include <QAction>
#include <QMenu>
#include <QPainter>

#include "presentation/ChartSession.h"

#include "app/ChartPage.h"
#include "app/PageOutput.h"
#include "app/SaveFolder.h"
#include "app/platform/Platform.h"

namespace zodiora {

ChartPageActions::ChartPageActions(Platform& platform, QWidget* window, QMenu* fileMenu)
    : QObject(window), platform_(platform), window_(window)
{
    QAction* first = fileMenu->actions().isEmpty() ? nullptr : fileMenu->actions().constFirst();
    auto* exportAction = new QAction(tr("&Export Chart…"), fileMenu);
    exportAction->setObjectName(QStringLiteral("exportChartAction"));
    connect(exportAction, &QAction::triggered, this, &ChartPageActions::exportChart);
    auto* printAction = new QAction(tr("&Print Chart…"), fileMenu);
    printAction->setObjectName(QStringLiteral("printChartAction"));
    printAction->setShortcut(QKeySequence::Print);
    connect(printAction, &QAction::triggered, this, &ChartPageActions::printChart);
    fileMenu->insertActions(first, {exportAction, printAction});
    fileMenu->insertSeparator(first);
}

ChartPageActions::~ChartPageActions() = default;

void ChartPageActions::setChart(const ChartResult& result)
{
    chart_ = std::make_unique<ChartResult>(result);
}

QString ChartPageActions::ExportPage(const ChartResult& result, const QString& path)
{
    const ChartStyle style = VedicSettings::chartStyle();
    return PageOutput::Export(path, ChartPage::tr("Chart of %1").arg(QString::fromUtf8(result.display.details.name.c_str())),
                              [&result, style](QPainter& painter, const QRectF& page) {
                                  ChartPage::Paint(painter, page, result, style);
                              });
}

void ChartPageActions::exportChart()
{
    if (!chart_) {
        return;
    }
    // Offered as the report's save is: the person's name, in the folder of the last save.
    const QString path = platform_.getSaveFileName(
        window_, tr("Export Chart"), tr("PDF document (*.pdf);;PNG image (*.png);;SVG drawing (*.svg)"),
        QStringLiteral("pdf"),
        SaveFolder::startPath(QString::fromUtf8(chart_->display.details.name.c_str()), QStringLiteral("pdf")));
    if (path.isEmpty()) {
        return;
    }
    const QString problem = ExportPage(*chart_, path);
    if (!problem.isEmpty()) {
        platform_.showMessage(window_, problem, Platform::Icon::Error);
        return;
    }
    SaveFolder::remember(path);
}

void ChartPageActions::printChart()
{
    if (!chart_) {
        return;
    }
    const ChartResult result = *chart_;
    const ChartStyle style = VedicSettings::chartStyle();
    PageOutput::Preview(window_, QStringLiteral("chartPrintPreview"),
                        [result, style](QPainter& painter, const QRectF& page) {
                            ChartPage::Paint(painter, page, result, style);
                        });
}

}  // namespace zodiora
