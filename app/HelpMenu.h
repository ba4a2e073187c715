#pragma once

class QMenuBar;
class QWidget;

namespace zodiora {

class Platform;

/// Adds the "&Help" menu both windows share (mnuOnline, mnuVisit,
/// mnuUpdate, mnuAbout) to `bar`; the about box opens over `owner`.
void AddHelpMenu(QMenuBar* bar, Platform& platform, QWidget* owner);

}  // namespace zodiora
