#pragma once

#include <QString>
#include <functional>
#include <initializer_list>

class QMenu;
class QMenuBar;
class QObject;
class QWidget;

namespace zodiora {

class Platform;

/// One entry of a menu: the action's object name, its caption and what it does.
struct MenuEntry {
    const char* objectName;
    QString caption;
    std::function<void()> handler;
};

/// Adds the "&File" menu (fileMenu) to `bar` with `entries` in order; the
/// handlers run only while `context` lives.
QMenu* AddFileMenu(QMenuBar* bar, QObject* context, std::initializer_list<MenuEntry> entries);

/// Adds the "&Language" menu (languageMenu) to `bar`: English and हिन्दी,
/// kept in the settings and used from the next start (the windows are built
/// in one language), and the Sanskrit names of signs and planets beside or
/// instead of the English ones, used from the next chart shown.
QMenu* AddLanguageMenu(QMenuBar* bar, Platform& platform, QWidget* window);

/// Adds the Language menu, then the "&Help" menu (helpMenu) to `bar`: "&Online Help", "&Visit Us
/// Online", "Check for Software &Update" and "&About Software", with
/// separators, the same on every window. The about box opens over `window`.
QMenu* AddHelpMenu(QMenuBar* bar, Platform& platform, QWidget* window);

}  // namespace zodiora
