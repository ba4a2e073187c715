#pragma once

#include <QObject>

class QTextEdit;

namespace zodiora {

class Platform;

/// Empties the clipboard on any change of a text box and any mouse press,
/// release, double click or move over it, while the clipboard holds this
/// program's content. Child of the box, so it goes when the box goes.
class ClipboardGuard final : public QObject {
public:
    ClipboardGuard(QTextEdit* box, Platform& platform);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clearOwnClipboard();

    Platform& platform_;
};

}  // namespace zodiora
