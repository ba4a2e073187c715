#pragma once

#include <QString>
#include <QRectF>
#include <functional>

class QPainter;
class QWidget;

namespace zodiora {

/// Paints a whole page into the box it is given (the page keeps its own
/// proportions inside it).
using PagePainter = std::function<void(QPainter& painter, const QRectF& page)>;

/// Writing and printing of the program's A4 pages (the chart page, the
/// match page): one page as PDF, PNG or SVG, or on paper after a preview.
class PageOutput {
public:
    /// The PNG export's size: A4 at 300 dots per inch.
    static constexpr int PngWidth = 2480;
    static constexpr int PngHeight = 3508;

    /// Writes the page to `path`, the format from its suffix (pdf, png,
    /// svg), the PDF and SVG titled `title`; answers an empty string or why
    /// it could not. A failed export leaves an earlier file in place.
    static QString Export(const QString& path, const QString& title, const PagePainter& paint);

    /// Shows the page in a window-modal print preview named `objectName`,
    /// from which it can be printed.
    static void Preview(QWidget* parent, const QString& objectName, PagePainter paint);
};

}  // namespace zodiora
