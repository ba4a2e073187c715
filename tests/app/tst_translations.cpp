#include <QAbstractButton>
#include <QComboBox>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextEdit>
#include <QXmlStreamReader>
#include <QtTest>

#include "app/BirthFormWindow.h"
#include "app/Language.h"
#include "app/ResultsWindow.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/RecordingPlatform.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

/// Every message of a .ts file that a translator still owes, one line each.
QStringList Untranslated(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {path + QStringLiteral(": cannot be read")};
    QStringList owed;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (type == u"obsolete" || type == u"vanished") continue;
            const QRegularExpression placeholder(QStringLiteral("%\\d"));
            QStringList wanted;
            QStringList given;
            for (auto it = placeholder.globalMatch(source); it.hasNext();) wanted << it.next().captured();
            for (auto it = placeholder.globalMatch(text); it.hasNext();) given << it.next().captured();
            wanted.sort();
            given.sort();
            if (type == u"unfinished" || text.trimmed().isEmpty()) {
                owed << context + QStringLiteral(": ") + source;
            } else if (wanted != given) {
                owed << context + QStringLiteral(": placeholders differ: ") + source;
            }
        }
    }
    if (xml.hasError()) owed << path + QStringLiteral(": ") + xml.errorString();
    return owed;
}

/// Text `widget` shows in one line, accelerator marks dropped; empty where it wraps or shows none.
QString ShownLine(const QWidget* widget)
{
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->wordWrap() || label->textFormat() == Qt::RichText) return {};
        text = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        text = button->text();
    } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        text = box->title();
    }
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
    return text.contains(u'\n') || text.contains(u'<') ? QString() : text;
}

bool HasDevanagari(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x0900 && c.unicode() <= 0x097F) return true;
    }
    return false;
}

/// Widgets whose one-line Hindi text is wider than the widget; and how many texts are Devanagari.
/// English left in a Hindi window (the calculation line, typed names) is the same width as in
/// an English one, so only what the translation changed is measured.
QStringList Clipped(const QWidget& window, int& devanagari)
{
    QStringList clipped;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) continue;
        const QString text = ShownLine(widget);
        if (text.isEmpty()) continue;
        if (!HasDevanagari(text)) continue;
        ++devanagari;
        const int needed = widget->fontMetrics().horizontalAdvance(text);
        // Buttons and check boxes draw their text inside a frame or beside a box: allow for it.
        int room = widget->contentsRect().width();
        if (qobject_cast<const QAbstractButton*>(widget) != nullptr) room = widget->width() - 4;
        if (qobject_cast<const QGroupBox*>(widget) != nullptr) room = widget->width();
        if (qobject_cast<const QLabel*>(widget) != nullptr) room -= 2 * static_cast<const QLabel*>(widget)->margin();
        if (needed > room) {
            clipped << QStringLiteral("%1 \"%2\": %3 px of text in %4 px")
                           .arg(widget->objectName(), text)
                           .arg(needed)
                           .arg(room);
        }
    }
    return clipped;
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
    }

    void everyMessageIsTranslated()
    {
        const QDir folder(QStringLiteral(ZODIORA_TS_DIR));
        const QStringList files = folder.entryList({QStringLiteral("*.ts")});
        QVERIFY2(!files.isEmpty(), ZODIORA_TS_DIR);
        for (const QString& file : files) {
            const QStringList owed = Untranslated(folder.filePath(file));
            QVERIFY2(owed.isEmpty(), qPrintable(file + QStringLiteral(" still owes:\n") + owed.join(u'\n')));
        }
    }

    void formAndResultsInHindiShowDevanagariUnclipped()
    {
        QVERIFY(UseLanguage(vocabulary::Language::Hindi, QStringLiteral(ZODIORA_QM_DIR)));
        {
            RecordingPlatform platform;
            BirthFormWindow form(platform);
            ShowActive(form);
            int devanagari = 0;
            const QStringList clipped = Clipped(form, devanagari);
            QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
            QVERIFY2(devanagari >= 10, qPrintable(QString::number(devanagari)));
            QCOMPARE(Child<QComboBox>(form, "monthBox")->itemText(5), QStringLiteral("जून"));

            form.setInput(Delhi1980Form());
            form.proceed();
            ResultsWindow* results = form.resultsWindow();
            QVERIFY(results != nullptr);
            results->resize(1400, 900);
            QTest::qWait(50);
            devanagari = 0;
            const QStringList clippedResults = Clipped(*results, devanagari);
            QVERIFY2(clippedResults.isEmpty(), qPrintable(clippedResults.join(u'\n')));
            QVERIFY2(devanagari >= 10, qPrintable(QString::number(devanagari)));
            // The names come from the vocabulary: the Sun as सूर्य, its sign in Hindi.
            QCOMPARE(Child<QLabel>(*results, "bodyNameLabel0")->text(), QStringLiteral("सूर्य"));
            QVERIFY(HasDevanagari(Child<QLabel>(*results, "sunSignLabel")->text()));
            QVERIFY(HasDevanagari(Child<QLabel>(*results, "positionLabel0")->text()));
            // The report's headings in Hindi, its prose in English.
            const QString report = Child<QTextEdit>(*results, "reportBox")->toPlainText();
            QVERIFY2(report.contains(QStringLiteral("मिथुन में सूर्य")), qPrintable(report.left(200)));
            QVERIFY(report.contains(QStringLiteral("ग्रह सूर्य की विशेषताएँ :-")));
            QVERIFY(report.contains(QStringLiteral("Curious, Intelligent, Congenial")));
        }
        QVERIFY(UseLanguage(vocabulary::Language::English, QStringLiteral(ZODIORA_QM_DIR)));
    }

    void englishStaysAsItWas()
    {
        QVERIFY(UseLanguage(vocabulary::Language::English, QStringLiteral(ZODIORA_QM_DIR)));
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        QCOMPARE(Child<QComboBox>(form, "monthBox")->itemText(5), QStringLiteral("June"));
        form.setInput(Delhi1980Form());
        form.proceed();
        QVERIFY(form.resultsWindow() != nullptr);
        QCOMPARE(Child<QLabel>(*form.resultsWindow(), "bodyNameLabel10")->text(), QStringLiteral("Asc"));
        QVERIFY(!HasDevanagari(Child<QLabel>(*form.resultsWindow(), "sunSignLabel")->text()));
    }

    void sanskritNamesBesideOrInsteadOfEnglish()
    {
        QVERIFY(UseLanguage(vocabulary::Language::English, QStringLiteral(ZODIORA_QM_DIR)));
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        form.setInput(Delhi1980Form());
        KeepSanskrit(vocabulary::Sanskrit::Beside);
        form.proceed();
        QCOMPARE(Child<QLabel>(*form.resultsWindow(), "bodyNameLabel0")->text(), QStringLiteral("Sun (Surya)"));
        QCOMPARE(Child<QLabel>(*form.resultsWindow(), "sunSignLabel")->text(), QStringLiteral("Gemini (Mithuna)"));
        KeepSanskrit(vocabulary::Sanskrit::Instead);
        form.proceed();
        QCOMPARE(Child<QLabel>(*form.resultsWindow(), "bodyNameLabel0")->text(), QStringLiteral("Surya"));
        QCOMPARE(Child<QLabel>(*form.resultsWindow(), "positionLabel0")->text().section(u' ', 1, 1),
                 QStringLiteral("Mithuna"));
        KeepSanskrit(vocabulary::Sanskrit::Off);
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
