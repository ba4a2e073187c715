#include "app/WholeFileSave.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace zodiora {

namespace {

/// Qt's words for the failure, or the system's when Qt has none: a write
/// that comes up short on a full disk leaves Qt saying "Unknown error".
QString Reason(const QFileDevice& file, int systemError)
{
    const QString said = file.errorString();
    const bool qtKnows = !said.isEmpty() && said != QStringLiteral("Unknown error");
    if (!qtKnows && systemError != 0) {
        return QString::fromLocal8Bit(std::strerror(systemError));
    }
    return qtKnows ? said : QStringLiteral("Unknown error");
}

}  // namespace

std::optional<QString> SaveWholeFile(const QString& path, std::string_view bytes)
{
    // QSaveFile writes beside the target and replaces it only on a complete commit.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        return Reason(file, errno);
    }
    const auto size = qint64(bytes.size());
    errno = 0;
    // Flush here: commit() alone lets a short write on a full disk through
    // (Qt 6.4), and would put the cut file in place of the old.
    if (file.write(bytes.data(), size) != size || !file.flush() || file.size() != size) {
        const int writeError = errno;
        const QString reason = Reason(file, writeError);
        file.cancelWriting();
        return reason;
    }
    errno = 0;
    if (!file.commit()) {
        return Reason(file, errno);
    }
    return std::nullopt;
}

}  // namespace zodiora
