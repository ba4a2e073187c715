#pragma once

#include <QRect>

class QWidget;

namespace zodiora {

/// Shrinks `window` (not yet shown) so that it, with a title bar, fits in
/// `available`, a screen's area free of panels; a window that fits is left
/// as it is. Its controls then stay on screen however small the screen.
void FitWithin(QWidget* window, const QRect& available);

/// FitWithin the available area of the screen `window` will open on.
void FitOnScreen(QWidget* window);

}  // namespace zodiora
