#include "app/NumberListKeys.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

namespace zodiora {

NumberListKeys::NumberListKeys(QObject* parent) : QObject(parent) {}

void NumberListKeys::watch(QComboBox* list)
{
    list->installEventFilter(this);
}

int NumberRowFor(const QComboBox& list, const QString& typed)
{
    const int exact = list.findText(typed, Qt::MatchExactly);
    return exact >= 0 ? exact : list.findText(typed, Qt::MatchStartsWith);
}

bool NumberListKeys::eventFilter(QObject* watched, QEvent* event)
{
    auto* list = qobject_cast<QComboBox*>(watched);
    if (list == nullptr || event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || text.size() != 1 || !text.front().isDigit()) {
        return false;
    }
    const bool goesOn = list == typedInto_ && sinceLastKey_.isValid()
                        && sinceLastKey_.elapsed() < QApplication::keyboardInputInterval();
    typedInto_ = list;
    sinceLastKey_.start();
    typed_ = goesOn ? typed_ + text : text;
    int row = NumberRowFor(*list, typed_);
    if (row < 0) {
        // Digits no row goes on with start a new number.
        typed_ = text;
        row = NumberRowFor(*list, typed_);
    }
    if (row >= 0) {
        list->setCurrentIndex(row);
    }
    return true;
}

}  // namespace zodiora
