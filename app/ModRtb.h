#pragma once

class QTextEdit;
class QWidget;

namespace zodiora {

class Platform;

/// Link handling of the report window's box: web addresses in `box` are
/// detected (now and whenever its text changes) and shown as links, and a
/// left-button press on one opens it through `platform`; the press still
/// reaches the box. One set of state for the program: the report window is
/// modal, so there is only ever one. Enabling while enabled first disables.
void EnableReportLinks(QTextEdit* box, QWidget* window, Platform& platform);

/// Turns link handling off again: detection stops, the link marks go and
/// presses open nothing. Does nothing when link handling is not enabled.
void DisableReportLinks();

/// Whether link handling is attached, and to which box (tests, diagnostics).
bool ReportLinksEnabled();
QTextEdit* ReportLinksBox();

/// Keeps text copied out of `box` from staying on the clipboard: any change
/// of its text, and any press, release, click or move of the mouse over it,
/// empties the clipboard, but only while the clipboard holds content this
/// program put there; another program's content is never touched. The guard
/// lives as long as the box.
void AttachClipboardGuard(QTextEdit* box, Platform& platform);

}  // namespace zodiora
