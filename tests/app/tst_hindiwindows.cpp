// Under the Hindi translator the form, the results window with every tab,
// the chart page, the Match window and its printed page show no English
// word: every Latin word of three letters or more is one of a short named
// list (the person's and places' names, the report's prose, codes).
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPainter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTimer>
#include <memory>

#include "app/BirthFormWindow.h"
#include "app/ChartPage.h"
#include "app/Language.h"
#include "app/ResultsWindow.h"
#include "app/match/MatchPage.h"
#include "app/match/MatchWindow.h"
#include "app/vedic/ResultsTabs.h"
#include "birthdata/TimeZoneTable.h"
#include "presentation/ChartSession.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/LibraryFixture.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

/// Latin words a Hindi window may show, each for a reason.
QStringList AllowedWords()
{
    QStringList allowed{
        // The people's and places' names the samples type in.
        QStringLiteral("ASHA"), QStringLiteral("RAVI"), QStringLiteral("New"), QStringLiteral("Delhi"),
        QStringLiteral("India"), QStringLiteral("Mumbai"),
        // The program's own name.
        QStringLiteral("Zodiora"),
        // Codes: the tool's output formats and the page's file kinds.
        QStringLiteral("PDF"), QStringLiteral("SVG"), QStringLiteral("PNG")};
    // The time-zone list's abbreviations ("IST", "GMT") are codes, not words.
    for (const TimeZoneRow& row : TimeZoneTable) {
        allowed << QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size()))
                       .section(u',', 1, 1)
                       .trimmed();
    }
    return allowed;
}

/// The English words of `texts` that the allow-list does not name, each with its text.
QStringList EnglishWords(const QStringList& texts, const QString& where)
{
    static const QStringList allowed = AllowedWords();
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    // Web addresses are addresses, not words.
    static const QRegularExpression address(QStringLiteral("(https?://|www\\.)\\S+"));
    QStringList found;
    for (const QString& shown : texts) {
        const QString text = QString(shown).remove(address);
        for (auto it = word.globalMatch(text); it.hasNext();) {
            const QString w = it.next().captured();
            if (!allowed.contains(w)) found << QStringLiteral("%1: %2 in \"%3\"").arg(where, w, text.left(120));
        }
    }
    return found;
}

/// Every text of an item view: headers and cells, children included.
void ViewTexts(const QAbstractItemModel* model, const QModelIndex& parent, QStringList& texts)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        for (int column = 0; column < model->columnCount(parent); ++column) {
            const QModelIndex index = model->index(row, column, parent);
            texts << index.data(Qt::DisplayRole).toString() << index.data(Qt::ToolTipRole).toString();
            if (column == 0 && model->hasChildren(index)) ViewTexts(model, index, texts);
        }
    }
}

/// A paint device that keeps the texts painted on it.
class TextRecorder : public QPaintDevice {
public:
    QStringList texts;
    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return 2100;
        case PdmHeight: return 2970;
        case PdmWidthMM: return 210;
        case PdmHeightMM: return 297;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 254;
        case PdmDepth: return 32;
        case PdmNumColors: return 1 << 24;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(QStringList& texts) : QPaintEngine(AllFeatures), texts_(texts) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override { texts_ << item.text(); }
        Type type() const override { return User; }

    private:
        QStringList& texts_;
    };
    mutable Engine engine_{texts};
};

/// The texts `window` shows: labels, buttons, boxes, lists, tabs, views, tool tips, and
/// what the program's own widgets paint (the charts), each without its children.
QStringList ShownTexts(const QWidget& window, const QStringList& skippedNames = {})
{
    QStringList texts{window.windowTitle()};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || skippedNames.contains(widget->objectName())) continue;
        texts << widget->toolTip();
        if (QByteArray(widget->metaObject()->className()).startsWith("zodiora::")) {
            TextRecorder painted;
            const_cast<QWidget*>(widget)->render(&painted, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            texts << painted.texts;
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            texts << (label->textFormat() == Qt::PlainText ? label->text() : QTextDocumentFragment::fromHtml(label->text()).toPlainText());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            texts << button->text();
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            texts << box->title();
        } else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
            texts << list->currentText();
        } else if (const auto* bar = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < bar->count(); ++i) texts << bar->tabText(i) << bar->tabToolTip(i);
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            texts << edit->text() << edit->placeholderText();
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
            if (view->model() == nullptr) continue;
            const QAbstractItemModel* model = view->model();
            for (int c = 0; c < model->columnCount(); ++c) texts << model->headerData(c, Qt::Horizontal).toString();
            ViewTexts(model, view->rootIndex(), texts);
        }
    }
    texts.removeAll(QString());
    return texts;
}

}  // namespace

class HindiWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(UseLanguage(vocabulary::Language::Hindi, QStringLiteral(ZODIORA_QM_DIR)));
    }
    void cleanupTestCase() { UseLanguage(vocabulary::Language::English, QStringLiteral(ZODIORA_QM_DIR)); }

    void formResultsAndChartPageShowNoEnglish()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ShowActive(form);
        QStringList found = EnglishWords(ShownTexts(form), QStringLiteral("form"));

        form.setInput(Delhi1980Form());
        form.proceed();
        ResultsWindow* results = form.resultsWindow();
        QVERIFY(results != nullptr);
        results->resize(1400, 900);
        // The report's sign table in Hindi: the Sun in Gemini, an air sign ruled by Mercury.
        const QString report = Child<QTextEdit>(*results, "reportBox")->toPlainText();
        QVERIFY2(report.contains(QStringLiteral("वायु")) && report.contains(QStringLiteral("बुध")),
                 qPrintable(report.left(600)));
        QVERIFY(!report.contains(QStringLiteral("\nAir")));
        auto* tabs = Child<ResultsTabs>(*results, "resultsTabs");
        QVERIFY(tabs != nullptr);
        for (int i = 0; i < tabs->tabBar()->count(); ++i) {
            tabs->tabBar()->setCurrentIndex(i);
            QTest::qWait(20);
            // The report's prose stays English: its box is read through its headings elsewhere.
            found << EnglishWords(ShownTexts(*results, {QStringLiteral("reportBox")}),
                                  QStringLiteral("results tab %1").arg(tabs->tabBar()->tabText(i)));
        }

        ChartSession session;
        const ChartResult chart = session.run(Delhi1980Form(), ChartSession::ReportMode::Skip);
        TextRecorder page;
        {
            QPainter painter(&page);
            const ChartPageExtras extras{{vedic::Varga::D9, vedic::Varga::D10}, true};
            ChartPage::Paint(painter, QRectF(0, 0, 2100, 2970), chart, ChartStyle::NorthIndian, extras,
                             QDate(2026, 1, 1));
        }
        QVERIFY(page.texts.size() > 20);
        found << EnglishWords(page.texts, QStringLiteral("chart page"));
        for (const QString& one : found) qWarning().noquote() << one;
        QVERIFY2(found.isEmpty(), qPrintable(QString::number(found.size()) + QStringLiteral(" English words, listed above")));
    }

    void matchWindowAndPageShowNoEnglish()
    {
        LibraryFixture fixture;
        for (const BirthFormInput& form : {Delhi1980Form(), Mumbai1975()}) {
            SavedChart chart;
            chart.form = form;
            QVERIFY(fixture.library().save(chart).ok());
        }
        RecordingPlatform platform;
        MatchWindow window(fixture.library(), platform);
        ShowActive(window);
        QVERIFY(window.match().has_value());
        QStringList found = EnglishWords(ShownTexts(window), QStringLiteral("match window"));
        TextRecorder page;
        {
            QPainter painter(&page);
            MatchPage::Paint(painter, QRectF(0, 0, 2100, 2970), window.boy(), window.girl(), *window.match());
        }
        QVERIFY(page.texts.size() > 10);
        found << EnglishWords(page.texts, QStringLiteral("match page"));
        for (const QString& one : found) qWarning().noquote() << one;
        QVERIFY2(found.isEmpty(), qPrintable(QString::number(found.size()) + QStringLiteral(" English words, listed above")));
    }

    void datesFollowTheChosenLocale()
    {
        // Dasha periods span 120 years: the year in full, day before month as India writes it.
        QCOMPARE(ShownDate(QDate(2031, 1, 5)), QStringLiteral("5/1/2031"));
        QVERIFY(UseLanguage(vocabulary::Language::English, QStringLiteral(ZODIORA_QM_DIR)));
        QCOMPARE(ShownDate(QDate(2031, 1, 5)), QStringLiteral("2031-01-05"));
        QVERIFY(UseLanguage(vocabulary::Language::Hindi, QStringLiteral(ZODIORA_QM_DIR)));
    }

    void messageBoxButtonsInHindi()
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("?"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("हाँ (&Y)"));
        QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("नहीं (&N)"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("रद्द करें"));
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("ठीक है"));
    }
};

QTEST_MAIN(HindiWindowsTest)
#include "tst_hindiwindows.moc"
