#pragma once

#include <QRegularExpression>
#include <QString>

class QTextDocument;

namespace zodiora {

/// Web addresses as the report box detects them: http:// or https://
/// addresses and bare www. host names, without trailing punctuation.
const QRegularExpression& WebAddressPattern();

/// The address to open for a detected web address: a bare www. name gets
/// "http://" in front, others are returned as they are.
QString WebAddressHref(const QString& detected);

/// Marks every web address in `document` as a link (anchor, blue,
/// underlined), after removing the marks of an earlier pass, so it can be
/// run again whenever the text changes.
void ApplyLinkFormats(QTextDocument* document);

/// Removes every link mark ApplyLinkFormats set; other formatting stays.
void RemoveLinkFormats(QTextDocument* document);

}  // namespace zodiora
