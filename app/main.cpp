#include <QApplication>

#include "app/AppConfig.h"
#include "app/QtText.h"
#include "zodiora/Version.h"
#include "app/AfterFirstPaint.h"
#include "app/AppFont.h"
#include "app/AppIcon.h"
#include "app/BirthFormWindow.h"
#include "app/CommandLine.h"
#include "app/GeometryKeeper.h"
#include "app/Language.h"
#include "app/OnDemandIconStyle.h"
#include "app/Startup.h"
#include "app/StartupTrace.h"
#include "app/UpdateReminder.h"
#include "app/platform/QtPlatform.h"

int main(int argc, char* argv[])
{
    zodiora::TraceStartup("main");
    if (const auto exitCode = zodiora::AnswerInfoOptions(argc, argv)) {
        return *exitCode;
    }
    if (const auto exitCode = zodiora::RefuseWithoutDisplay(argc, argv)) {
        return *exitCode;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(new zodiora::OnDemandIconStyle);
    zodiora::TraceStartup("application");
    QApplication::setApplicationName(QStringLiteral("Zodiora"));
    QApplication::setApplicationVersion(zodiora::ToQString(zodiora::ProgramVersion));
    QApplication::setOrganizationName(QStringLiteral("Zodiora"));
    // Desktops match the window to its menu entry and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZODIORA_APP_ID));
    if (const auto exitCode = zodiora::RejectUnknownOptions()) {
        return *exitCode;
    }
    // The language of every window is set before the first is built.
    zodiora::UseLanguage(zodiora::ChosenLanguage());
    zodiora::AdoptDesktopPointSize();
    QApplication::setFont(zodiora::ProgramFont());
    // The program ends only through its exit routine: between charts the
    // input form is hidden while the results window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    zodiora::QtPlatform platform;
    const auto lock = zodiora::StartUp(platform, zodiora::DefaultLockPath());
    if (!lock) {
        return 0;
    }
    zodiora::TraceStartup("fonts, language and lock");

    zodiora::GeometryKeeper geometry({QStringLiteral("birthFormWindow"), QStringLiteral("resultsWindow"),
                                      QStringLiteral("reportDialog")});
    app.installEventFilter(&geometry);
    zodiora::BirthFormWindow form(platform);
    QObject::connect(&form, &zodiora::BirthFormWindow::exitRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    zodiora::TraceStartup("form built");
    // The icon (drawn in seven sizes) and the reminder (which writes the
    // settings file) are not needed to show the form: they come once it is seen.
    zodiora::AfterFirstPaint(&form, [&platform] {
        zodiora::TraceStartup("first paint");
        zodiora::InstallApplicationIcon();
#if ZODIORA_UPDATE_REMINDER
        zodiora::UpdateReminder(platform).remind();
#endif
        zodiora::TraceStartup("icon and reminder");
    });
    const bool placed = zodiora::GeometryKeeper::remembers(form.objectName());
    form.show();
    if (!placed) {
        form.centreOnScreen();
    }
    zodiora::TraceStartup("form shown");
    return QApplication::exec();
}
