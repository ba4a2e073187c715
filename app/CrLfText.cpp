#include "app/CrLfText.h"

#include <QTextEdit>

namespace zodiora {

QString FromCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QString PlainTextWithCrLf(const QTextEdit& box)
{
    return box.toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

}  // namespace zodiora
