#pragma once

class QWidget;

namespace zodiora {

/// Gives a window's menu actions the keys desktop programs use, found by
/// the actions' object names: Exit on Ctrl+Q, Online Help on F1, Back on
/// Escape. Actions the window lacks are skipped.
void AssignStandardShortcuts(QWidget* window);

}  // namespace zodiora
