#include "app/AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace zodiora {

namespace {

// Watches the window for its first paint, queues the work behind it and goes.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> work) : QObject(window), work_(std::move(work))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && work_) {
            watched->removeEventFilter(this);
            // Queued, so the paint finishes and reaches the screen first.
            QTimer::singleShot(0, parent(), std::move(work_));
            work_ = nullptr;
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> work_;
};

}  // namespace

void AfterFirstPaint(QWidget* window, std::function<void()> work)
{
    new FirstPaintWatch(window, std::move(work));
}

}  // namespace zodiora
