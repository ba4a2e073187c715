#include "app/ReturnKeyHook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace zodiora {

ReturnKeyHook::ReturnKeyHook(std::function<void()> action, QObject* parent)
    : QObject(parent), action_(std::move(action))
{
}

bool ReturnKeyHook::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    if (auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget())) {
        button->click();
    } else {
        action_();
    }
    return true;
}

}  // namespace zodiora
