#pragma once

#include <QFont>

namespace zodiora {

/// The family the windows use: Verdana where it is installed, else
/// DejaVu Sans (metrically close and always present on Debian).
QString ProgramFontFamily();

/// The windows' font: ProgramFontFamily() at `pointSize` points.
QFont ProgramFont(double pointSize = 9.0);

}  // namespace zodiora
