#include "app/ScreenFit.h"

#include <QScreen>
#include <QWidget>

namespace zodiora {

namespace {

/// Room left for the window manager's title bar and borders, which are not
/// known before the window is shown.
constexpr int DecorationHeight = 48;
constexpr int DecorationWidth = 16;

}  // namespace

void FitWithin(QWidget* window, const QRect& available)
{
    const QSize room(available.width() - DecorationWidth, available.height() - DecorationHeight);
    const QSize fitted = window->size().boundedTo(room).expandedTo(window->minimumSizeHint().boundedTo(room));
    if (fitted != window->size()) {
        window->resize(fitted);
    }
}

void FitOnScreen(QWidget* window)
{
    const QWidget* owner = window->parentWidget() != nullptr ? window->parentWidget() : window;
    if (const QScreen* screen = owner->screen()) {
        FitWithin(window, screen->availableGeometry());
    }
}

}  // namespace zodiora
