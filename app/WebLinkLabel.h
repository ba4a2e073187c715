#pragma once

#include <QLabel>

namespace zodiora {

/// A label that reads as a web link (blue, underlined, pointing hand) and
/// signals a left click; the owner decides which page opens.
class WebLinkLabel final : public QLabel {
    Q_OBJECT
public:
    explicit WebLinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zodiora
