#include "app/KeyFilterHook.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "app/MessageMapping.h"
#include "app/platform/Platform.h"

namespace zodiora {

namespace {

constexpr int Backspace = 8;
constexpr int CarriageReturn = 13;

/// The character code a key press types into a text box, or 0 when it
/// types nothing the filters judge (navigation, Delete, Tab, shortcuts).
int TypedCode(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        return CarriageReturn;
    }
    if (key.key() == Qt::Key_Backspace) {
        return Backspace;
    }
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return 0;
    }
    const QString text = key.text();
    if (text.isEmpty()) {
        return 0;
    }
    // A letter beyond the 16-bit plane is one code point, not two halves.
    const char32_t c = text.toUcs4().value(0);
    return c >= 32 && c != 127 ? static_cast<int>(c) : 0;
}

}  // namespace

KeyFilterHook::KeyFilterHook(Filter filter, Platform& platform, QObject* parent)
    : QObject(parent), filter_(filter), platform_(platform)
{
}

void KeyFilterHook::limitLength(int characters, UserMessage message)
{
    limit_ = characters;
    limitMessage_ = std::move(message);
}

bool KeyFilterHook::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    auto* edit = qobject_cast<QLineEdit*>(watched);
    const int code = TypedCode(*static_cast<QKeyEvent*>(event));
    if (edit == nullptr || code == 0) {
        return false;
    }
    const bool typesACharacter = code >= 32;
    if (limit_ > 0 && typesACharacter && !edit->hasSelectedText() && edit->text().size() >= limit_) {
        ShowUserMessage(platform_, edit->window(), limitMessage_);
        return true;
    }
    const KeyFilterResult result = filter_(code);
    if (result.message) {
        ShowUserMessage(platform_, edit->window(), *result.message);
    }
    if (result.code == 0) {
        return true;
    }
    if (result.code != code) {
        const char32_t replaced = static_cast<char32_t>(result.code);
        edit->insert(QString::fromUcs4(&replaced, 1));
        return true;
    }
    return false;
}

}  // namespace zodiora
