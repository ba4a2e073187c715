#pragma once

#include <QFont>

namespace zodiora {

/// The family the windows use: Verdana where it is installed, else
/// DejaVu Sans (metrically close and always present on Debian).
QString ProgramFontFamily();

/// The size the windows' text is drawn at: 9 points until
/// AdoptDesktopPointSize() is called.
double ProgramPointSize();

/// Takes the point size of the desktop's font (the application font as
/// the platform theme set it) as the windows' size; keeps 9 points when
/// the desktop gives none. Call once, after QApplication is built and
/// before any window is.
void AdoptDesktopPointSize();

/// The windows' font: ProgramFontFamily() at ProgramPointSize().
QFont ProgramFont();

/// ProgramFontFamily() at `pointSize` points.
QFont ProgramFont(double pointSize);

}  // namespace zodiora
