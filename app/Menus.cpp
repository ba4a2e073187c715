#include "app/Menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/AboutDialog.h"
#include "app/WebPages.h"

namespace zodiora {

namespace {

void Add(QMenu* menu, QObject* context, const MenuEntry& entry)
{
    QAction* action = menu->addAction(entry.caption);
    action->setObjectName(QLatin1String(entry.objectName));
    QObject::connect(action, &QAction::triggered, context, entry.handler);
}

}  // namespace

QMenu* AddFileMenu(QMenuBar* bar, QObject* context, std::initializer_list<MenuEntry> entries)
{
    QMenu* menu = bar->addMenu(QStringLiteral("&File"));
    menu->setObjectName(QStringLiteral("fileMenu"));
    for (const MenuEntry& entry : entries) {
        Add(menu, context, entry);
    }
    return menu;
}

QMenu* AddHelpMenu(QMenuBar* bar, Platform& platform, QWidget* window)
{
    QMenu* menu = bar->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("helpMenu"));
    Platform* const desktop = &platform;
    Add(menu, menu, {"onlineHelpAction", QStringLiteral("&Online Help"), [desktop] { WebPages(*desktop).openHelp(); }});
    Add(menu, menu, {"visitAction", QStringLiteral("&Visit Us Online"), [desktop] { WebPages(*desktop).openHome(); }});
    menu->addSeparator();
    Add(menu, menu, {"updateAction", QStringLiteral("Check for Software &Update"),
                     [desktop] { WebPages(*desktop).openDownload(); }});
    menu->addSeparator();
    Add(menu, menu, {"aboutAction", QStringLiteral("&About Software"), [desktop, window] {
                         AboutDialog about(*desktop, window);
                         about.exec();
                     }});
    return menu;
}

}  // namespace zodiora
