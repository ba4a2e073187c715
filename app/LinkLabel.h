#pragma once

#include <QLabel>

namespace zodiora {

/// A label that behaves like a web link: pointing-hand cursor, underlined
/// while the mouse is over it, reachable with Tab, and a `clicked` signal on
/// a left click or on Space/Enter. The owner decides which page opens.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    /// In the palette's link colour and always underlined, as links in a
    /// document look.
    void showAsWebLink();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setUnderline(bool underline);

    bool alwaysUnderlined_ = false;
};

}  // namespace zodiora
