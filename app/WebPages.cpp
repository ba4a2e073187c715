#include "app/WebPages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/AppConfig.h"
#include "app/platform/Platform.h"

namespace zodiora {

QUrl WebPages::helpPageUrl(const QString& helpAddress, const QString& programDir)
{
    if (!helpAddress.isEmpty()) {
        return QUrl(helpAddress);
    }
    const QDir dir(programDir);
    const QString beside = dir.filePath(QStringLiteral("user-guide.html"));
    const QString shared = dir.filePath(QStringLiteral("../share/zodiora/user-guide.html"));
    if (!QFileInfo::exists(beside) && QFileInfo::exists(shared)) {
        return QUrl::fromLocalFile(QDir::cleanPath(shared));
    }
    return QUrl::fromLocalFile(beside);
}

void WebPages::openHelp()
{
    platform_.openUrl(helpPageUrl(QStringLiteral(ZODIORA_HELP_URL), QCoreApplication::applicationDirPath()));
}

void WebPages::openHome()
{
    platform_.openUrl(QUrl(QStringLiteral(ZODIORA_HOME_URL)));
}

void WebPages::openDownload()
{
    platform_.openUrl(QUrl(QStringLiteral(ZODIORA_DOWNLOAD_URL)));
}

}  // namespace zodiora
