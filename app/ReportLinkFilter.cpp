#include "app/ReportLinkFilter.h"

#include <QMouseEvent>
#include <QTextEdit>
#include <QUrl>

#include "app/platform/Platform.h"

namespace zodiora {

ReportLinkFilter::ReportLinkFilter(QTextEdit* box, Platform& platform) : box_(box), platform_(platform) {}

bool ReportLinkFilter::eventFilter(QObject* watched, QEvent* event)
{
    // Only the press itself opens: double clicks, releases and moves arrive
    // as other event types, and other buttons are ignored.
    if (watched == box_->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QString href = box_->anchorAt(mouse->position().toPoint());
            if (!href.isEmpty()) {
                platform_.openUrl(QUrl(href, QUrl::TolerantMode));  // a failure is not reported
            }
        }
    }
    return false;
}

}  // namespace zodiora
