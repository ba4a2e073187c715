#pragma once

#include <QColor>

class QTextDocument;

namespace zodiora {

/// Marks every web address in `document` as a link (anchor, in `colour`,
/// underlined), after removing the marks of an earlier pass, so it can be
/// run again whenever the text changes.
void ApplyLinkFormats(QTextDocument* document, const QColor& colour = QColor(0, 0, 255));

/// Removes every link mark ApplyLinkFormats set; other formatting stays.
void RemoveLinkFormats(QTextDocument* document);

}  // namespace zodiora
