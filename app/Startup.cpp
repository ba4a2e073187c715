#include "app/Startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include "app/platform/Platform.h"

namespace zodiora {

namespace {

// True when the lock file names a process of this program that still runs
// on this machine. Anything else (an empty file, garbage, another host, a
// dead or reused PID) is a leftover.
bool NamesLiveCopy(const QLockFile& lock)
{
    qint64 pid = 0;
    QString hostName;
    QString appName;
    if (!lock.getLockInfo(&pid, &hostName, &appName) || hostName != QSysInfo::machineHostName()) {
        return false;
    }
    // The running executable, not the name written in the file: a PID gets reused.
    const QString running = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    return !running.isEmpty() &&
           QFileInfo(running).fileName() == QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

// Qt takes over a lock only when its process has died on this host; any
// other leftover would block every start. The removal itself is Qt's: it
// refuses a file that a live holder still has locked, and the ".rmlock"
// Qt uses keeps two starting copies from both removing it.
bool TakeOverLeftover(QLockFile& lock, const QString& lockPath)
{
    if (lock.error() != QLockFile::LockFailedError || NamesLiveCopy(lock)) {
        return false;
    }
    QLockFile removal(lockPath + QStringLiteral(".rmlock"));
    return removal.tryLock(0) && lock.removeStaleLockFile() && lock.tryLock(0);
}

}  // namespace

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
    if (!lock->tryLock(0) && !TakeOverLeftover(*lock, lockPath)) {
        platform.showMessage(nullptr, QCoreApplication::translate("zodiora::Startup", "Application is already running"), Platform::Icon::Information);
        return nullptr;
    }
    return lock;
}

}  // namespace zodiora
