#include "app/Shortcuts.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

namespace zodiora {

void AssignStandardShortcuts(QWidget* window)
{
    const struct {
        const char* action;
        QKeySequence keys;
    } bindings[] = {{"exitAction", QKeySequence(Qt::CTRL | Qt::Key_Q)},
                    {"onlineHelpAction", QKeySequence(Qt::Key_F1)},
                    {"backAction", QKeySequence(Qt::Key_Escape)}};
    for (const auto& binding : bindings) {
        if (auto* action = window->findChild<QAction*>(QLatin1String(binding.action))) {
            action->setShortcut(binding.keys);
        }
    }
}

}  // namespace zodiora
