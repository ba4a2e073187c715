#include "app/LinkDetection.h"

#include <QBrush>
#include <QColor>
#include <QList>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace zodiora {

namespace {

/// Tells our link marks from formatting anyone else set.
constexpr int LinkMarkProperty = QTextFormat::UserProperty + 61;

struct Range {
    int start;
    int end;
    QTextCharFormat format;
};

/// Trailing characters that end a sentence rather than an address; a closing
/// bracket belongs to the address only if it opens one too.
QString TrimTrailingPunctuation(QString address)
{
    while (!address.isEmpty()) {
        const QChar last = address.back();
        if (QStringLiteral(".,;:!?'\"").contains(last)) {
            address.chop(1);
        } else if (last == u')' && address.count(u'(') < address.count(u')')) {
            address.chop(1);
        } else {
            break;
        }
    }
    return address;
}

/// http:// and https:// addresses and bare www. host names.
const QRegularExpression& WebAddressPattern()
{
    // Starts at a word boundary not preceded by a character that would make
    // it part of a longer name (e-mail address, path, another host).
    static const QRegularExpression pattern(
        QStringLiteral(R"((?<![\w@/.\-])(?:https?://[^\s<>"]+|www\.[a-z0-9\-]+(?:\.[a-z0-9\-]+)+(?:[/?#][^\s<>"]*)?))"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

/// The address to open: a bare www. name gets "http://" in front.
QString WebAddressHref(const QString& detected)
{
    if (detected.startsWith(QStringLiteral("www."), Qt::CaseInsensitive)) {
        return QStringLiteral("http://") + detected;
    }
    return detected;
}

}  // namespace

void RemoveLinkFormats(QTextDocument* document)
{
    QList<Range> marked;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().hasProperty(LinkMarkProperty)) {
                marked.append({fragment.position(), fragment.position() + fragment.length(), fragment.charFormat()});
            }
        }
    }
    if (marked.isEmpty()) {
        return;
    }
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (const Range& range : marked) {
        QTextCharFormat format = range.format;
        for (const int property : {int(QTextFormat::IsAnchor), int(QTextFormat::AnchorHref),
                                   int(QTextFormat::ForegroundBrush), int(QTextFormat::TextUnderlineStyle),
                                   int(QTextFormat::FontUnderline), LinkMarkProperty}) {
            format.clearProperty(property);
        }
        cursor.setPosition(range.start);
        cursor.setPosition(range.end, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
    cursor.endEditBlock();
}

void ApplyLinkFormats(QTextDocument* document, const QColor& colour)
{
    RemoveLinkFormats(document);
    // toPlainText keeps one character per document position (paragraph
    // breaks become "\n"), so match offsets are cursor positions.
    const QString text = document->toPlainText();
    QList<Range> links;
    QStringList hrefs;
    auto matches = WebAddressPattern().globalMatch(text);
    while (matches.hasNext()) {
        const auto match = matches.next();
        const QString address = TrimTrailingPunctuation(match.captured());
        if (address.isEmpty()) {
            continue;
        }
        links.append({int(match.capturedStart()), int(match.capturedStart() + address.size()), {}});
        hrefs.append(WebAddressHref(address));
    }
    if (links.isEmpty()) {
        return;
    }
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (qsizetype i = 0; i < links.size(); ++i) {
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorHref(hrefs[i]);
        format.setForeground(colour);
        format.setFontUnderline(true);
        format.setProperty(LinkMarkProperty, true);
        cursor.setPosition(links[i].start);
        cursor.setPosition(links[i].end, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
    cursor.endEditBlock();
}

}  // namespace zodiora
