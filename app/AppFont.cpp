#include "app/AppFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace zodiora {

namespace {

// The size the windows were designed at; also what Qt's desktop-less
// themes report, so a bare X server looks as designed.
constexpr double DesignPointSize = 9.0;

double& PointSize()
{
    static double size = DesignPointSize;
    return size;
}

}  // namespace

QString ProgramFontFamily()
{
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    return family;
}

double ProgramPointSize()
{
    return PointSize();
}

void AdoptDesktopPointSize()
{
    const double desktop = QApplication::font().pointSizeF();
    PointSize() = desktop > 0 ? desktop : DesignPointSize;
}

QFont ProgramFont()
{
    return ProgramFont(ProgramPointSize());
}

QFont ProgramFont(double pointSize)
{
    QFont font(ProgramFontFamily());
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace zodiora
