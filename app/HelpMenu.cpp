#include "app/HelpMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/AboutDialog.h"
#include "app/WebPages.h"

namespace zodiora {

QMenu* AddHelpMenu(QMenuBar* bar, Platform& platform, QWidget* window)
{
    QMenu* menu = bar->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("helpMenu"));
    auto add = [menu](const char* name, const QString& caption, auto handler) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, menu, handler);
    };
    Platform* const desktop = &platform;
    add("onlineHelpAction", QStringLiteral("&Online Help"), [desktop] { WebPages(*desktop).openHelp(); });
    add("visitAction", QStringLiteral("&Visit Us Online"), [desktop] { WebPages(*desktop).openHome(); });
    menu->addSeparator();
    add("updateAction", QStringLiteral("Check for Software &Update"), [desktop] { WebPages(*desktop).openDownload(); });
    menu->addSeparator();
    add("aboutAction", QStringLiteral("&About Software"), [desktop, window] {
        AboutDialog about(*desktop, window);
        about.exec();
    });
    return menu;
}

}  // namespace zodiora
