#include "app/PageOutput.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "app/ChartPage.h"

namespace zodiora {

namespace {

constexpr int PngDotsPerMetre = 11811;  // 300 dots per inch
constexpr int VectorResolution = 1200;  // dots per inch of the PDF's and SVG's coordinates

QString Tr(const char* text)
{
    return QCoreApplication::translate("ChartPage", text);
}

QString WritePdf(QSaveFile& file, const QString& title, const PagePainter& paint)
{
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(VectorResolution);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Zodiora"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return Tr("The PDF could not be started.");
    }
    paint(painter, QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height())));
    painter.end();
    return {};
}

QString WriteSvg(QSaveFile& file, const QString& title, const PagePainter& paint)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    // Millimetres on paper, tenths of a millimetre in the drawing's own coordinates.
    const QSize size = ChartPage::LogicalSize.toSize();
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(254);
    generator.setTitle(title);
    QPainter painter;
    if (!painter.begin(&generator)) {
        return Tr("The SVG could not be started.");
    }
    paint(painter, QRectF(QPointF(0, 0), ChartPage::LogicalSize));
    painter.end();
    return {};
}

QString WritePng(QSaveFile& file, const QString&, const PagePainter& paint)
{
    QImage image(PageOutput::PngWidth, PageOutput::PngHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(PngDotsPerMetre);
    image.setDotsPerMeterY(PngDotsPerMetre);
    QPainter painter(&image);
    paint(painter, QRectF(image.rect()));
    painter.end();
    return image.save(&file, "PNG") ? QString() : Tr("The PNG image could not be written.");
}

}  // namespace

QString PageOutput::Export(const QString& path, const QString& title, const PagePainter& paint)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QString (*write)(QSaveFile&, const QString&, const PagePainter&) = nullptr;
    if (suffix == QLatin1String("pdf")) {
        write = WritePdf;
    } else if (suffix == QLatin1String("png")) {
        write = WritePng;
    } else if (suffix == QLatin1String("svg")) {
        write = WriteSvg;
    } else {
        return QCoreApplication::translate(
            "ChartPageActions",
            "The chart can be exported as PDF, PNG or SVG: please end the file name with .pdf, .png or .svg.");
    }
    // Written beside the target and renamed over it at the end, so a failed
    // export never leaves half a file in place of an earlier one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QCoreApplication::translate("ChartPageActions", "Could not write %1: %2").arg(path, file.errorString());
    }
    const QString problem = write(file, title, paint);
    if (!problem.isEmpty()) {
        file.cancelWriting();
        return problem;
    }
    if (!file.commit()) {
        return QCoreApplication::translate("ChartPageActions", "Could not write %1: %2").arg(path, file.errorString());
    }
    return {};
}

void PageOutput::Preview(QWidget* parent, const QString& objectName, PagePainter paint)
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    auto* preview = new QPrintPreviewDialog(printer, parent);
    preview->setObjectName(objectName);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(preview, &QObject::destroyed, [printer] { delete printer; });
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview, [paint](QPrinter* target) {
        QPainter painter(target);
        paint(painter, QRectF(QPointF(0, 0), target->pageRect(QPrinter::DevicePixel).size()));
    });
    // Window-modal without a nested event loop: the preview prints itself.
    preview->open();
}

}  // namespace zodiora
