#include "HelpMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ModHelp.h"

namespace zodiora {

QMenu* AddHelpMenu(QMenuBar* bar, Platform& platform, QWidget* window)
{
    QMenu* mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    auto add = [mnuHelp](const char* name, const QString& caption, auto handler) {
        QAction* action = mnuHelp->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, mnuHelp, handler);
    };
    Platform* const desktop = &platform;
    add("mnuOnline", QStringLiteral("&Online Help"), [desktop] { OpenHelpPage(*desktop); });
    add("mnuVisit", QStringLiteral("&Visit Us Online"), [desktop] { OpenHomePage(*desktop); });
    mnuHelp->addSeparator();
    add("mnuUpdate", QStringLiteral("Check for Software &Update"), [desktop] { OpenDownloadPage(*desktop); });
    mnuHelp->addSeparator();
    add("mnuAbout", QStringLiteral("&About Software"), [desktop, window] { ShowAboutBox(*desktop, window); });
    return mnuHelp;
}

}  // namespace zodiora
