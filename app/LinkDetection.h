#pragma once

class QTextDocument;

namespace zodiora {

/// Marks every web address in `document` as a link (anchor, blue,
/// underlined), after removing the marks of an earlier pass, so it can be
/// run again whenever the text changes.
void ApplyLinkFormats(QTextDocument* document);

/// Removes every link mark ApplyLinkFormats set; other formatting stays.
void RemoveLinkFormats(QTextDocument* document);

}  // namespace zodiora
