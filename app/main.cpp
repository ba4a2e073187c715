#include <QApplication>

#include "AppFont.h"
#include "AppIcon.h"
#include "FrmMain.h"
#include "Startup.h"
#include "platform/QtPlatform.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zodiora"));
    QApplication::setOrganizationName(QStringLiteral("Zodiora"));
    QApplication::setFont(zodiora::ProgramFont());
    zodiora::InstallApplicationIcon();
    // The program ends only through its exit routine: between charts the
    // input form is hidden while the results window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    zodiora::QtPlatform platform;
    const auto lock = zodiora::StartUp(platform, zodiora::DefaultLockPath());
    if (!lock) {
        return 0;
    }

    zodiora::FrmMain form(platform);
    QObject::connect(&form, &zodiora::FrmMain::exitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    form.show();
    form.CentreOnScreen();
    return QApplication::exec();
}
