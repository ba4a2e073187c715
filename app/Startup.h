#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace zodiora {

class Platform;

/// Where the single-instance lock lives: the user's runtime directory, so a
/// crashed copy's lock never outlives the session and is taken over once
/// its process is gone.
QString DefaultLockPath();

/// Start-up before any window: takes the single-instance lock at
/// `lockPath`, or says "Application is already running" and returns
/// nothing when another running copy holds it; a lock file that names no
/// live copy (empty, unreadable, another host, a dead process) is taken
/// over. The returned lock must be kept for the whole run. (The update
/// reminder waits for the first window: see main.)
std::unique_ptr<QLockFile> StartUp(Platform& platform, const QString& lockPath);

}  // namespace zodiora
