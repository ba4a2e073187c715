#include "app/ChartPageActions.h"

#include <QAction>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "presentation/ChartSession.h"

#include "app/ChartPage.h"
#include "app/platform/Platform.h"

namespace zodiora {

namespace {

constexpr int PngDotsPerMetre = 11811;  // 300 dots per inch
constexpr int VectorResolution = 1200;  // dots per inch of the PDF's and SVG's coordinates

QString WritePdf(const ChartResult& result, QSaveFile& file)
{
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(VectorResolution);
    writer.setTitle(ChartPage::tr("Chart of %1").arg(QString::fromUtf8(result.display.details.name.c_str())));
    writer.setCreator(QStringLiteral("Zodiora"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return ChartPage::tr("The PDF could not be started.");
    }
    ChartPage::Paint(painter, QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height())), result,
                     VedicSettings::chartStyle());
    painter.end();
    return {};
}

QString WriteSvg(const ChartResult& result, QSaveFile& file)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    // Millimetres on paper, tenths of a millimetre in the drawing's own coordinates.
    const QSize size = ChartPage::LogicalSize.toSize();
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(254);
    generator.setTitle(ChartPage::tr("Chart of %1").arg(QString::fromUtf8(result.display.details.name.c_str())));
    QPainter painter;
    if (!painter.begin(&generator)) {
        return ChartPage::tr("The SVG could not be started.");
    }
    ChartPage::Paint(painter, QRectF(QPointF(0, 0), ChartPage::LogicalSize), result, VedicSettings::chartStyle());
    painter.end();
    return {};
}

QString WritePng(const ChartResult& result, QSaveFile& file)
{
    QImage image(ChartPageActions::PngWidth, ChartPageActions::PngHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(PngDotsPerMetre);
    image.setDotsPerMeterY(PngDotsPerMetre);
    QPainter painter(&image);
    ChartPage::Paint(painter, QRectF(image.rect()), result, VedicSettings::chartStyle());
    painter.end();
    return image.save(&file, "PNG") ? QString() : ChartPage::tr("The PNG image could not be written.");
}

}  // namespace

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
    const QString suffix = QFileInfo(path).suffix().toLower();
    QString (*write)(const ChartResult&, QSaveFile&) = nullptr;
    if (suffix == QLatin1String("pdf")) {
        write = WritePdf;
    } else if (suffix == QLatin1String("png")) {
        write = WritePng;
    } else if (suffix == QLatin1String("svg")) {
        write = WriteSvg;
    } else {
        return tr("The chart can be exported as PDF, PNG or SVG: please end the file name with .pdf, .png or .svg.");
    }
    // Written beside the target and renamed over it at the end, so a failed
    // export never leaves half a file in place of an earlier one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return tr("Could not write %1: %2").arg(path, file.errorString());
    }
    const QString problem = write(result, file);
    if (!problem.isEmpty()) {
        file.cancelWriting();
        return problem;
    }
    if (!file.commit()) {
        return tr("Could not write %1: %2").arg(path, file.errorString());
    }
    return {};
}

void ChartPageActions::exportChart()
{
    if (!chart_) {
        return;
    }
    const QString path = platform_.getSaveFileName(
        window_, tr("Export Chart"), tr("PDF document (*.pdf);;PNG image (*.png);;SVG drawing (*.svg)"),
        QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return;
    }
    const QString problem = ExportPage(*chart_, path);
    if (!problem.isEmpty()) {
        platform_.showMessage(window_, problem, Platform::Icon::Error);
    }
}

void ChartPageActions::printChart()
{
    if (!chart_) {
        return;
    }
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    auto* preview = new QPrintPreviewDialog(printer, window_);
    preview->setObjectName(QStringLiteral("chartPrintPreview"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    connect(preview, &QObject::destroyed, [printer] { delete printer; });
    const ChartResult result = *chart_;
    const ChartStyle style = VedicSettings::chartStyle();
    connect(preview, &QPrintPreviewDialog::paintRequested, preview, [result, style](QPrinter* target) {
        QPainter painter(target);
        ChartPage::Paint(painter, QRectF(QPointF(0, 0), target->pageRect(QPrinter::DevicePixel).size()), result,
                         style);
    });
    // Window-modal without a nested event loop: the preview prints itself.
    preview->open();
}

}  // namespace zodiora
