#pragma once

#include <functional>

class QWidget;

namespace zodiora {

/// Runs `work` once, on the event loop, just after `window` has been painted
/// for the first time: start-up work the first window does not need (the
/// program's icon, the update reminder) waits until the user sees the window.
/// Nothing runs when the window goes before it is ever painted.
void AfterFirstPaint(QWidget* window, std::function<void()> work);

}  // namespace zodiora
