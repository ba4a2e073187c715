#include "HelpMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ModHelp.h"

namespace zodiora {

void AddHelpMenu(QMenuBar* bar, Platform& platform, QWidget* owner)
{
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    auto add = [help](const char* name, const QString& caption) {
        QAction* action = help->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    Platform* p = &platform;
    QObject::connect(add("mnuOnline", QStringLiteral("&Online Help")), &QAction::triggered, help,
                     [p] { OpenHelpPage(*p); });
    QObject::connect(add("mnuVisit", QStringLiteral("&Visit Us Online")), &QAction::triggered, help,
                     [p] { OpenHomePage(*p); });
    help->addSeparator();
    QObject::connect(add("mnuUpdate", QStringLiteral("Check for Software &Update")), &QAction::triggered, help,
                     [p] { OpenDownloadPage(*p); });
    help->addSeparator();
    QObject::connect(add("mnuAbout", QStringLiteral("&About Software")), &QAction::triggered, help,
                     [p, owner] { ShowAboutBox(*p, owner); });
}

}  // namespace zodiora
