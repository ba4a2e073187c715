#include "app/RichTextSink.h"

#include "app/Language.h"

#include <QTextCursor>
#include <QTextEdit>

#include "app/CrLfText.h"

namespace zodiora {

RichTextSink::RichTextSink(QTextEdit& box) : box_(box)
{
    format_ = box_.textCursor().charFormat();
}

void RichTextSink::setBold(bool bold)
{
    format_.setFontWeight(bold ? QFont::Bold : QFont::Normal);
}

void RichTextSink::setColour(int red, int green, int blue)
{
    format_.setForeground(QColor(red, green, blue));
}

void RichTextSink::insertText(std::string_view text)
{
    QString piece = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (format_.fontWeight() == QFont::Bold) {
        piece = ShownReportHeading(piece);  // the headings in the windows' language; the prose stays English
    } else {
        piece = ShownReportValue(piece);  // the sign table's element and rulers too
    }
    if (pendingCarriageReturn_ && piece.startsWith(QLatin1Char('\n'))) {
        piece.remove(0, 1);
    }
    pendingCarriageReturn_ = piece.endsWith(QLatin1Char('\r'));
    QTextCursor cursor = box_.textCursor();
    cursor.insertText(FromCrLf(piece), format_);
    box_.setTextCursor(cursor);
}

}  // namespace zodiora
