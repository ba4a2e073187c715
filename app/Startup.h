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
/// nothing when another copy holds it; then runs the update reminder.
/// The returned lock must be kept for the whole run.
std::unique_ptr<QLockFile> StartUp(Platform& platform, const QString& lockPath);

}  // namespace zodiora
