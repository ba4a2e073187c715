// Writes Zodiora's drawn icon as the files a freedesktop icon theme holds:
// DIR/<n>x<n>/apps/NAME.png for every size desktops ask for, and
// DIR/scalable/apps/NAME.svg. Run at build time, so the installed icons are
// always the ones the program paints for its own windows.
//
// Usage: zodiora-export-icon DIR NAME   (needs a Qt platform; offscreen will do)

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QTextStream>

#include "app/AppIcon.h"

namespace {

// Sizes of the hicolor theme's fixed-size folders that desktops look in.
constexpr int PngSides[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// The drawing comes as pixels only, so the scalable icon carries the
// largest rendering; 512 pixels stay sharp at any size a desktop shows.
constexpr int SvgSide = 128;

bool WritePng(const QDir& theme, const QString& name, int side, QTextStream& err)
{
    const QString folder = QStringLiteral("%1x%1/apps").arg(side);
    const QString path = theme.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    if (!theme.mkpath(folder) || !zodiora::ApplicationIconPixmap(side).save(path, "PNG")) {
        err << "zodiora-export-icon: cannot write " << path << '\n';
        return false;
    }
    return true;
}

bool WriteSvg(const QDir& theme, const QString& name, QTextStream& err)
{
    const QString folder = QStringLiteral("scalable/apps");
    const QString path = theme.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".svg"));
    if (!theme.mkpath(folder)) {
        err << "zodiora-export-icon: cannot create " << theme.filePath(folder) << '\n';
        return false;
    }
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(SvgSide, SvgSide));
    svg.setViewBox(QRect(0, 0, SvgSide, SvgSide));
    svg.setTitle(QStringLiteral("Zodiora"));
    svg.setDescription(QStringLiteral("The Zodiora icon: a gold zodiac ring around a gold star on a night-blue disc"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        err << "zodiora-export-icon: cannot write " << path << '\n';
        return false;
    }
    zodiora::PaintApplicationIcon(painter, SvgSide);
    return painter.end();
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        err << "usage: zodiora-export-icon DIR NAME\n";
        return 2;
    }
    const QDir theme(arguments.at(1));
    const QString name = arguments.at(2);
    for (const int side : PngSides) {
        if (!WritePng(theme, name, side, err)) {
            return 1;
        }
    }
    return WriteSvg(theme, name, err) ? 0 : 1;
}
