#include "app/SaveFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace zodiora {

namespace {

const QString FolderKey = QStringLiteral("dialogs/lastSaveFolder");

/// The name as a file name: no folder separators or leading dots, trimmed.
QString FileNameFrom(QString name)
{
    name.replace(u'/', u' ').replace(u'\\', u' ');
    while (name.trimmed().startsWith(u'.')) {
        name = name.trimmed().remove(0, 1);
    }
    name = name.simplified();
    return name.isEmpty() ? QStringLiteral("Zodiora") : name;
}

}  // namespace

QString SaveFolder::folder()
{
    const QString last = QSettings().value(FolderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) {
        return last;
    }
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString SaveFolder::startPath(const QString& personName, const QString& suffix)
{
    return QDir(folder()).filePath(FileNameFrom(personName) + u'.' + suffix);
}

void SaveFolder::remember(const QString& savedPath)
{
    QSettings().setValue(FolderKey, QFileInfo(savedPath).absolutePath());
}

}  // namespace zodiora
