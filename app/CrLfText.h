#pragma once

#include <QString>

class QTextEdit;

namespace zodiora {

/// Text whose line breaks are CR LF (or a lone CR) with each break as the
/// single '\n' a text box takes as a paragraph break.
QString FromCrLf(QString text);

/// The box's plain text with paragraph breaks as CR LF.
QString PlainTextWithCrLf(const QTextEdit& box);

}  // namespace zodiora
