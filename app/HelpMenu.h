#pragma once

class QMenu;
class QMenuBar;
class QWidget;

namespace zodiora {

class Platform;

/// Adds the "&Help" menu (helpMenu) to `bar`: "&Online Help", "&Visit Us
/// Online", "Check for Software &Update" and "&About Software", with
/// separators, the same on every window. The about box opens over `window`.
QMenu* AddHelpMenu(QMenuBar* bar, Platform& platform, QWidget* window);

}  // namespace zodiora
