#include "app/ChartPageActions.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <algorithm>

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
    fileMenu->insertMenu(first, buildExtrasMenu(fileMenu));
    fileMenu->insertSeparator(first);
}

// Checkable entries for what the page carries beside the birth chart,
// remembered between runs; at most MaxVargas vargas can be ticked.
QMenu* ChartPageActions::buildExtrasMenu(QWidget* parent)
{
    auto* menu = new QMenu(tr("Chart Page &Shows"), parent);
    menu->setObjectName(QStringLiteral("chartPageExtrasMenu"));
    const ChartPageExtras extras = VedicSettings::chartPageExtras();
    dashaAction_ = menu->addAction(tr("Running &Dasha"));
    dashaAction_->setObjectName(QStringLiteral("chartPageDashaAction"));
    dashaAction_->setCheckable(true);
    dashaAction_->setChecked(extras.runningDasha);
    connect(dashaAction_, &QAction::toggled, this, &ChartPageActions::rememberExtras);
    menu->addSeparator();
    for (const vedic::Varga varga : vedic::AllVargas) {
        if (varga == vedic::Varga::D1) {
            continue;  // the birth chart is on the page already
        }
        auto* action = menu->addAction(tr("%1 (%2)").arg(QString::fromLatin1(vedic::VargaTitle(varga).data()),
                                                          QString::fromLatin1(vedic::VargaName(varga).data())));
        action->setCheckable(true);
        action->setData(static_cast<int>(varga));
        action->setChecked(std::find(extras.vargas.begin(), extras.vargas.end(), varga) != extras.vargas.end());
        connect(action, &QAction::toggled, this, &ChartPageActions::rememberExtras);
        vargaActions_.push_back(action);
    }
    limitVargas();
    return menu;
}

ChartPageExtras ChartPageActions::extras() const
{
    ChartPageExtras chosen;
    chosen.runningDasha = dashaAction_->isChecked();
    for (const QAction* action : vargaActions_) {
        if (action->isChecked()) {
            chosen.vargas.push_back(static_cast<vedic::Varga>(action->data().toInt()));
        }
    }
    return chosen;
}

void ChartPageActions::rememberExtras()
{
    limitVargas();
    VedicSettings::setChartPageExtras(extras());
}

void ChartPageActions::limitVargas()
{
    const bool full = extras().vargas.size() >= ChartPageExtras::MaxVargas;
    for (QAction* action : vargaActions_) {
        action->setEnabled(action->isChecked() || !full);
    }
}

ChartPageActions::~ChartPageActions() = default;

void ChartPageActions::setChart(const ChartResult& result)
{
    chart_ = std::make_unique<ChartResult>(result);
}

QString ChartPageActions::ExportPage(const ChartResult& result, const QString& path, const ChartPageExtras& extras,
                                     const QString& timeNote)
{
    const ChartStyle style = VedicSettings::chartStyle();
    const QDate today = QDate::currentDate();
    return PageOutput::Export(path, ChartPage::tr("Chart of %1").arg(QString::fromUtf8(result.display.details.name.c_str())),
                              [&result, style, &extras, today, &timeNote](QPainter& painter, const QRectF& page) {
                                  ChartPage::Paint(painter, page, result, style, extras, today, timeNote);
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
    const QString problem = ExportPage(*chart_, path, extras(), timeNote_);
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
    const ChartPageExtras chosen = extras();
    const QDate today = QDate::currentDate();
    PageOutput::Preview(window_, QStringLiteral("chartPrintPreview"),
                        [result, style, chosen, today, note = timeNote_](QPainter& painter, const QRectF& page) {
                            ChartPage::Paint(painter, page, result, style, chosen, today, note);
                        });
}

}  // namespace zodiora
