#include "app/AppFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace zodiora {

QString ProgramFontFamily()
{
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    return family;
}

QFont ProgramFont(double pointSize)
{
    QFont font(ProgramFontFamily());
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace zodiora
