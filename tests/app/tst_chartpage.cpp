// The chart page in files and on paper: PDF text, SVG drawing, PNG size,
// and the results window's Export and Print entries.
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QStandardPaths>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "presentation/ChartSession.h"

#include "app/BirthFormWindow.h"
#include "app/ChartPage.h"
#include "app/ChartPageActions.h"
#include "app/QtText.h"
#include "app/ResultsWindow.h"
#include "engine/PositionText.h"
#include "tests/app/AppTestSupport.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

ChartResult ChartOf(const BirthFormInput& input)
{
    ChartSession session;
    return session.run(input, ChartSession::ReportMode::Skip);
}

/// The results window of the sample birth, through the form.
ResultsWindow* ShowDelhiChart(BirthFormWindow& form)
{
    form.setInput(Delhi1980Form());
    form.proceed();
    return form.resultsWindow();
}

QString PdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

}  // namespace

class ChartPageTest : public QObject {
    Q_OBJECT

private slots:
    void pdfSaysWhoseChartWithBirthDataSignsAndPositions()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("asha.pdf"));
        const ChartResult chart = ChartOf(Delhi1980Form());
        QCOMPARE(ChartPageActions::ExportPage(chart, path), QString());

        const QString text = PdfText(path);
        QVERIFY2(!text.isEmpty(), "pdftotext read nothing");
        for (const QString& expected :
             {QStringLiteral("ASHA"), QStringLiteral("June/15/1980"), QStringLiteral("New Delhi, Delhi, India"),
              QStringLiteral("Indian Time, IST, +5.3"), QStringLiteral("Daylight saving"),
              ToQString(chart.display.lagna), ToQString(chart.display.sunSign), ToQString(chart.display.rashi)}) {
            QVERIFY2(text.contains(expected), qPrintable(expected));
        }
        // Every row of the table, the nodes below the eleven.
        for (std::size_t k = 0; k < ChartPointCount; ++k) {
            QVERIFY2(text.contains(ToQString(chart.display.positions[k])), qPrintable(ToQString(BodyNames[k])));
        }
        QVERIFY(text.contains(QStringLiteral("00 Gem 30")));
        // The calculation line at the foot of the page.
        QVERIFY2(text.contains(QStringLiteral("Classic ephemeris (mean orbital elements)")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("clock: Indian Time IST +05:30")), qPrintable(text.right(400)));
        const qsizetype asc = text.indexOf(QStringLiteral("Asc"));
        for (const Body node : {Body::Rahu, Body::Ketu}) {
            const qsizetype row = text.indexOf(ToQString(NameOf(node)));
            QVERIFY(row > asc && asc >= 0);
            QVERIFY(text.indexOf(ToQString(ShortPositionText(chart.chart.longitude(node))), row) > row);
        }
    }

    void exactOffsetReplacesZoneAndDaylightSaving()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("offset.pdf"));
        BirthFormInput input = Delhi1980Form();
        input.second = 15;
        input.exactOffsetSeconds = 5 * 3600 + 21 * 60 + 10;
        QCOMPARE(ChartPageActions::ExportPage(ChartOf(input), path), QString());
        const QString text = PdfText(path);
        QVERIFY(text.contains(QStringLiteral("+05:21:10")));
        QVERIFY(text.contains(QStringLiteral("6:30:15")));
        QVERIFY(!text.contains(QStringLiteral("Daylight saving")));
        QVERIFY(!text.contains(QStringLiteral("Indian Time")));
    }

    void svgIsWellFormedWithTheGlyphsAsPaths()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("asha.svg"));
        QCOMPARE(ChartPageActions::ExportPage(ChartOf(Delhi1980Form()), path), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader svg(&file);
        int paths = 0;
        QString texts;
        while (!svg.atEnd()) {
            if (svg.readNext() == QXmlStreamReader::StartElement) {
                if (svg.name() == QLatin1String("path")) {
                    ++paths;
                } else if (svg.name() == QLatin1String("text")) {
                    texts += svg.readElementText(QXmlStreamReader::IncludeChildElements);
                }
            }
        }
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        // Twelve sign glyphs and twelve ring bands at least.
        QVERIFY2(paths >= 24, qPrintable(QString::number(paths)));
        QVERIFY(texts.contains(QStringLiteral("ASHA")));
    }

    void pngIsA4At300DotsPerInch()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("asha.png"));
        QCOMPARE(ChartPageActions::ExportPage(ChartOf(Delhi1980Form()), path), QString());
        const QImage image(path);
        QCOMPARE(image.size(), QSize(ChartPageActions::PngWidth, ChartPageActions::PngHeight));
        QCOMPARE(image.dotsPerMeterX(), 11811);
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
        // The wheel's ring fills the lower part of the page.
        QVERIFY(image.pixelColor(image.width() / 2, image.height() * 2 / 3) != QColor(Qt::white) ||
                image.pixelColor(image.width() / 2 + 40, image.height() * 2 / 3) != QColor(Qt::white));
    }

    void pageDrawsTheChartStyleChosenInTheResults()
    {
        // Each style draws the chart part of the page differently; the rest
        // of the page (name, data, positions) stays the same.
        const ChartResult result = ChartOf(Delhi1980Form());
        auto render = [&result](ChartStyle style) {
            QImage image(420, 594, QImage::Format_RGB32);
            QPainter painter(&image);
            ChartPage::Paint(painter, QRectF(image.rect()), result, style);
            return image;
        };
        const QImage wheel = render(ChartStyle::Wheel);
        const QImage north = render(ChartStyle::NorthIndian);
        const QImage south = render(ChartStyle::SouthIndian);
        QVERIFY(wheel != north);
        QVERIFY(north != south);
        QVERIFY(wheel != south);
        const QRect header(0, 0, wheel.width(), wheel.height() / 8);
        QCOMPARE(wheel.copy(header), north.copy(header));
    }

    void pageCarriesTheRunningDashaAndTheChosenVargas()
    {
        QTemporaryDir dir;
        const ChartResult chart = ChartOf(Delhi1980Form());
        const QString plainPath = dir.filePath(QStringLiteral("plain.pdf"));
        const QString extrasPath = dir.filePath(QStringLiteral("extras.pdf"));
        ChartPageExtras extras;
        extras.vargas = {vedic::Varga::D9, vedic::Varga::D60};
        extras.runningDasha = true;
        QCOMPARE(ChartPageActions::ExportPage(chart, plainPath), QString());
        QCOMPARE(ChartPageActions::ExportPage(chart, extrasPath, extras), QString());
        const QString plain = PdfText(plainPath);
        const QString text = PdfText(extrasPath);
        const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
        for (const QString& expected : {QStringLiteral("Dasha on ") + today, QStringLiteral("Mahadasha"),
                                        QStringLiteral("Prana dasha"), QStringLiteral("Navamsa (D9)"),
                                        QStringLiteral("Shashtyamsa (D60)")}) {
            QVERIFY2(text.contains(expected), qPrintable(expected));
            QVERIFY2(!plain.contains(expected), qPrintable(expected));
        }
        // The rest of the page is the same: data, positions, calculation line.
        QVERIFY(text.contains(QStringLiteral("New Delhi, Delhi, India")));
        QVERIFY(text.contains(QStringLiteral("clock: Indian Time IST +05:30")));
    }

    void extrasMenuRemembersItsTicksAndTakesThreeVargasAtMost()
    {
        QStandardPaths::setTestModeEnabled(true);
        VedicSettings::setChartPageExtras({});
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ResultsWindow* results = ShowDelhiChart(form);
        auto* menu = Child<QMenu>(*results, "chartPageExtrasMenu");
        QVERIFY(menu != nullptr);
        QList<QAction*> vargas;
        for (QAction* action : menu->actions()) {
            if (action->data().isValid()) vargas << action;
        }
        QCOMPARE(vargas.size(), 15);  // D2 .. D60: the birth chart is on the page already
        Child<QAction>(*results, "chartPageDashaAction")->setChecked(true);
        for (int k = 0; k < 3; ++k) vargas[k * 4]->setChecked(true);
        QVERIFY(!vargas[1]->isEnabled());
        QVERIFY(vargas[4]->isEnabled());
        const ChartPageExtras remembered = VedicSettings::chartPageExtras();
        QVERIFY(remembered.runningDasha);
        QCOMPARE(remembered.vargas, (std::vector<vedic::Varga>{vedic::Varga::D2, vedic::Varga::D9, vedic::Varga::D20}));
        vargas[4]->setChecked(false);
        QVERIFY(vargas[1]->isEnabled());
        VedicSettings::setChartPageExtras({});
    }

    void exportEntryWritesTheChosenTypeOrSaysWhyNot()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ResultsWindow* results = ShowDelhiChart(form);
        QTemporaryDir dir;

        platform.nextSavePath = dir.filePath(QStringLiteral("chart.svg"));
        Child<QAction>(*results, "exportChartAction")->trigger();
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(QFile::exists(platform.nextSavePath));
        QVERIFY(platform.saveDialogFilters.constLast().contains(QStringLiteral("*.png")));

        platform.nextSavePath = dir.filePath(QStringLiteral("chart.gif"));
        Child<QAction>(*results, "exportChartAction")->trigger();
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(!QFile::exists(platform.nextSavePath));
        platform.messages.clear();

        platform.nextSavePath = dir.filePath(QStringLiteral("missing/chart.pdf"));
        Child<QAction>(*results, "exportChartAction")->trigger();
        ExpectMessage(platform, QStringLiteral("Could not write %1: No such file or directory").arg(platform.nextSavePath),
                      Platform::Icon::Error);
    }

    void exportDialogOffersThePersonsName()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ResultsWindow* results = ShowDelhiChart(form);
        platform.nextSavePath.clear();  // Cancel
        Child<QAction>(*results, "exportChartAction")->trigger();
        QCOMPARE(platform.saveDialogStartPaths.size(), 1);
        QCOMPARE(QFileInfo(platform.saveDialogStartPaths.front()).fileName(), QStringLiteral("ASHA.pdf"));
    }

    void aLongPlaceLineWrapsAndALongNameShrinksToFit()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kathmandu.pdf"));
        BirthFormInput input = Delhi1980Form();
        input.city = "Kathmandu";
        input.state = "Bagmati Province";
        input.country = "Nepal";
        // The longest name the form takes, in its widest letters, stays on the page.
        input.name = std::string(60, 'W');
        QCOMPARE(ChartPageActions::ExportPage(ChartOf(input), path), QString());
        const QString text = PdfText(path).simplified();
        QVERIFY2(text.contains(QString(60, u'W')), qPrintable(text.left(100)));
        QVERIFY2(text.contains(QStringLiteral("Nepal")), qPrintable(text.left(600)));
        QVERIFY(!text.contains(QChar(0x2026)));
        // The lines below move down rather than overlap it.
        QVERIFY2(text.indexOf(QStringLiteral("Nepal")) < text.indexOf(QStringLiteral("Latitude")), qPrintable(text.left(600)));
    }

    void printEntryOpensAPreviewOfOnePage()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ResultsWindow* results = ShowDelhiChart(form);
        QAction* print = Child<QAction>(*results, "printChartAction");
        QCOMPARE(print->shortcut(), QKeySequence(QKeySequence::Print));
        print->trigger();
        auto* preview = Child<QPrintPreviewDialog>(*results, "chartPrintPreview");
        QVERIFY(preview && preview->isVisible());
        QTRY_VERIFY(preview->findChild<QPrintPreviewWidget*>() &&
                    preview->findChild<QPrintPreviewWidget*>()->pageCount() == 1);
        preview->close();
    }
};

QTEST_MAIN(ChartPageTest)
#include "tst_chartpage.moc"
