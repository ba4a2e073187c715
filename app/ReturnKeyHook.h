#pragma once

#include <QObject>
#include <functional>

namespace zodiora {

/// Runs an action when Enter or Return reaches the widget it watches, that
/// is when no control on the way claimed the key: text boxes and lists pass
/// it on, a focused push button is pressed instead. Degree and minute boxes
/// keep their own answer to Enter (their keystroke filter sees it first).
class ReturnKeyHook : public QObject {
    Q_OBJECT
public:
    ReturnKeyHook(std::function<void()> action, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> action_;
};

}  // namespace zodiora
