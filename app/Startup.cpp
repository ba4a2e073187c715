#include "app/Startup.h"

#include <QDir>
#include <QStandardPaths>

#include "app/AppConfig.h"
#include "app/UpdateReminder.h"
#include "app/platform/Platform.h"

namespace zodiora {

QString DefaultLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
    }
    return dir + QStringLiteral("/zodiora.lock");
}

std::unique_ptr<QLockFile> StartUp(Platform& platform, const QString& lockPath)
{
    auto lock = std::make_unique<QLockFile>(lockPath);
    lock->setStaleLockTime(0);  // only a live holder counts, however old its lock
    if (!lock->tryLock(0)) {
        platform.showMessage(nullptr, QStringLiteral("Application is already running"), Platform::Icon::Information);
        return nullptr;
    }
#if ZODIORA_UPDATE_REMINDER
    UpdateReminder(platform).remind();
#endif
    return lock;
}

}  // namespace zodiora
