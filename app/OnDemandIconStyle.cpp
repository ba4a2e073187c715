#include "app/OnDemandIconStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace zodiora {

namespace {

// An icon of the base style, asked for the first time it is drawn or measured.
class StyleIconEngine final : public QIconEngine {
public:
    StyleIconEngine(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        // QPointer holds no const object; nothing is changed through these.
        : style_(const_cast<QStyle*>(style)), which_(which), widget_(const_cast<QWidget*>(widget))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new StyleIconEngine(*this); }

private:
    const QIcon& icon()
    {
        if (!loaded_) {
            loaded_ = true;
            if (style_) icon_ = style_->standardIcon(which_, nullptr, widget_);
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    QPointer<QWidget> widget_;
    bool loaded_ = false;
    QIcon icon_;
};

}  // namespace

QIcon OnDemandIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const
{
    // Without an option nothing but the widget is needed later; the base
    // style lives as long as this one.
    if (option == nullptr &&
        (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)) {
        return QIcon(new StyleIconEngine(baseStyle(), which, widget));
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

}  // namespace zodiora
