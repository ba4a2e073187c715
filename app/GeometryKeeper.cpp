#include "app/GeometryKeeper.h"

#include <QEvent>
#include <QSettings>
#include <QWidget>

#include "app/ScreenFit.h"

namespace zodiora {

namespace {

QString Key(const QString& windowName)
{
    return QStringLiteral("windows/") + windowName + QStringLiteral("/geometry");
}

const char* const RestoredFlag = "zodioraGeometryRestored";

}  // namespace

GeometryKeeper::GeometryKeeper(QStringList windowNames, QObject* parent)
    : QObject(parent), windowNames_(std::move(windowNames))
{
}

bool GeometryKeeper::remembers(const QString& windowName)
{
    return QSettings().contains(Key(windowName));
}

bool GeometryKeeper::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide) {
        return false;
    }
    auto* window = qobject_cast<QWidget*>(watched);
    if (window == nullptr || !window->isWindow() || !windowNames_.contains(window->objectName())) {
        return false;
    }
    const QString key = Key(window->objectName());
    if (type == QEvent::Show && !window->property(RestoredFlag).toBool()) {
        window->setProperty(RestoredFlag, true);
        const QByteArray saved = QSettings().value(key).toByteArray();
        if (!saved.isEmpty() && window->restoreGeometry(saved)) {
            FitOnScreen(window);  // the screen may have shrunk since
        }
    } else if (type == QEvent::Hide) {
        QSettings().setValue(key, window->saveGeometry());
    }
    return false;
}

}  // namespace zodiora
