#pragma once

#include <QLabel>

namespace zodiora {

/// A label that behaves like a web link: hand cursor, underlined on hover,
/// and a `clicked` signal on a left-button release inside it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

}  // namespace zodiora
