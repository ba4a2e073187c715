#include "LinkLabel.h"

#include <QMouseEvent>

namespace zodiora {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::enterEvent(QEnterEvent* event)
{
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event)
{
    QFont f = font();
    f.setUnderline(false);
    setFont(f);
    QLabel::leaveEvent(event);
}

}  // namespace zodiora
