// The report writer of the results window: CR LF pieces become paragraphs,
// weight and colour stay with what they were set for, and the box's text
// reads back with CR LF breaks.
#include <QTextEdit>
#include <QtTest>

#include "app/CrLfText.h"
#include "app/RichTextSink.h"

using namespace zodiora;

class RichTextSinkTest : public QObject {
    Q_OBJECT

private slots:
    void turnsCrLfIntoParagraphsAndKeepsFormatting()
    {
        QTextEdit box;
        RichTextSink sink(box);
        sink.setBold(true);
        sink.setColour(200, 0, 0);
        sink.insertText("Sun in Gemini\r");
        sink.insertText("\n");
        sink.setBold(false);
        sink.setColour(0, 0, 0);
        sink.insertText("Curious and quick.\r\n\r\nMoon");
        QCOMPARE(box.document()->blockCount(), 4);
        QCOMPARE(box.toPlainText(), QStringLiteral("Sun in Gemini\nCurious and quick.\n\nMoon"));
        QCOMPARE(PlainTextWithCrLf(box), QStringLiteral("Sun in Gemini\r\nCurious and quick.\r\n\r\nMoon"));

        QTextCursor at(box.document());
        at.setPosition(2);
        QCOMPARE(at.charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(at.charFormat().foreground().color(), QColor(200, 0, 0));
        at.setPosition(QStringLiteral("Sun in Gemini\nCur").size());
        QCOMPARE(at.charFormat().fontWeight(), int(QFont::Normal));
        QCOMPARE(at.charFormat().foreground().color(), QColor(0, 0, 0));
    }

    void loneCarriageReturnsAreBreaksToo()
    {
        QCOMPARE(FromCrLf(QStringLiteral("a\r\nb\rc\n\r\n")), QStringLiteral("a\nb\nc\n\n"));
    }
};

QTEST_MAIN(RichTextSinkTest)
#include "tst_richtextsink.moc"
