#include "app/ClipboardGuard.h"

#include <QEvent>
#include <QTextEdit>

#include "app/platform/Platform.h"

namespace zodiora {

ClipboardGuard::ClipboardGuard(QTextEdit* box, Platform& platform) : QObject(box), platform_(platform)
{
    // Moves without a button held only arrive with tracking on.
    box->viewport()->setMouseTracking(true);
    box->viewport()->installEventFilter(this);
    connect(box, &QTextEdit::textChanged, this, &ClipboardGuard::clearOwnClipboard);
}

bool ClipboardGuard::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        clearOwnClipboard();
        break;
    default:
        break;
    }
    return false;
}

void ClipboardGuard::clearOwnClipboard()
{
    if (platform_.ownsClipboard()) {
        platform_.clearClipboard();
    }
}

}  // namespace zodiora
