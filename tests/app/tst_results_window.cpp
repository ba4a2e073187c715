// "Proceed" to the results window and back: the 15 June 1980 chart's
// labels, table, wheel and glyphs; Back keeping the input; a second chart
// with no trace of the first; the Pisces rotation; the button strip.
//
// The chart headers name a member `slots`: they come before any Qt header.
#include "BirthDataInput.h"
#include "Engine.h"
#include "Interpretation.h"
#include "Retrogrades.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

#include "FormDriver.h"
#include "FrmDisplay.h"
#include "LinkLabel.h"
#include "Mdi.h"
#include "NatalWheel.h"
#include "RecordingPlatform.h"
#include "RichTextSink.h"

using namespace zodiora;
using zodiora::test::FormEntry;
using zodiora::test::RecordingPlatform;

namespace {

const QString CrLf = QStringLiteral("\r\n");

/// What the retrograde step calls Venus on the form's birth date: "Venus",
/// or "Venus (R) " once the station tables know that day.
QString VenusNameFor(const FrmMain& form)
{
    BirthData birth;
    ReadBirthData(form.FormInput(), birth);
    PlanetDisplayNames names;
    MarkRetrogrades(birth, names);
    return QString::fromStdString(names.names[3]);
}

QStringList Captions(QMenu* menu)
{
    QStringList out;
    for (QAction* a : menu->actions()) {
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    return out;
}

void DropDeletedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace

class ResultsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void chartOf15June1980()
    {
        RecordingPlatform platform;
        FrmMain form(platform);
        form.show();
        Enter(form, FormEntry{});
        QTest::mouseClick(form.cmdRashi, Qt::LeftButton);
        QVERIFY(platform.messages.isEmpty());

        Mdi* mdi = form.ResultsWindow();
        QVERIFY(mdi != nullptr);
        QVERIFY(mdi->isVisible());
        QVERIFY(mdi->windowState() & Qt::WindowMaximized);
        QVERIFY(!form.isVisible());
        QCOMPARE(mdi->windowTitle(), QStringLiteral("Zodiora v1.15"));
        QCOMPARE(mdi->lblSoftwareName->text(), QStringLiteral("Zodiora"));
        QVERIFY(mdi->lblSoftwareName->font().bold());
        QVERIFY(mdi->lblCorvaneBanner->font().bold());
        QCOMPARE(mdi->lblCorvaneBanner->cursor().shape(), Qt::PointingHandCursor);

        FrmDisplay* d = mdi->frmDisplay;
        QCOMPARE(d->lblSunSign->text(), QStringLiteral("Gemini"));
        QCOMPARE(d->lblLagna->text(), QStringLiteral("Gemini (Mithuna)"));
        QCOMPARE(d->lblRashi->text(), QStringLiteral("Gemini (Mithuna)"));
        QCOMPARE(d->lblName->text(), QStringLiteral("ASHA"));
        QCOMPARE(d->lblDOB->text(), QStringLiteral("June/15/1980"));
        QCOMPARE(d->lblTOB->text(), QStringLiteral("6:30"));
        QCOMPARE(d->lblLatitude->text(), QStringLiteral("28° 37' N"));
        QCOMPARE(d->lblLongitude->text(), QStringLiteral("77° 13' E"));
        QCOMPARE(d->lblCity->text(), QStringLiteral("New Delhi"));
        QCOMPARE(d->lblState->text(), QStringLiteral("Delhi"));
        QCOMPARE(d->lblCountry->text(), QStringLiteral("India"));
        QVERIFY(d->lblDOB->font().bold());
        QVERIFY(d->lblName->font().bold());

        const QStringList table{"00 Gem 30", "28 Gem 01", "24 Gem 58", "00 Gem 56", "22 Leo 58", "10 Leo 08",
                                "27 Leo 06", "28 Lib 44", "27 Sco 39", "25 Vir 27", "14 Gem 51"};
        const QStringList bodies{"Sun",     "Moon",   "Mercury", "Venus", "Mars", "Jupiter",
                                 "Saturn",  "Uranus", "Neptune", "Pluto", "Asc"};
        for (int k = 0; k < 11; ++k) {
            QCOMPARE(d->lblPlanet[static_cast<std::size_t>(k)]->text(), table[k]);
            QCOMPARE(d->PlanetName[static_cast<std::size_t>(k)]->text(), bodies[k]);
            QCOMPARE(d->findChild<QLabel*>(QStringLiteral("lblPlanet(%1)").arg(k)),
                     d->lblPlanet[static_cast<std::size_t>(k)]);
        }

        const QString venus = VenusNameFor(form);
        QVERIFY2(venus == QStringLiteral("Venus") || venus == QStringLiteral("Venus (R) "), qPrintable(venus));
        NatalWheel* wheel = d->picNatal;
        QCOMPARE(wheel->houseText(0), CrLf + "Sun" + CrLf + "Moon" + CrLf + "Mercury" + CrLf + venus + CrLf + "Asc");
        QCOMPARE(wheel->houseText(1), QString());
        QCOMPARE(wheel->houseText(2), CrLf + "Mars" + CrLf + "Jupiter" + CrLf + "Saturn");
        for (int k = 3; k < 12; ++k) {
            QCOMPARE(wheel->houseText(k), QString());
        }
        const std::array<int, 12> glyphs{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2};
        for (int k = 0; k < 12; ++k) {
            QCOMPARE(wheel->glyphAt(k), glyphs[static_cast<std::size_t>(k)]);
        }
        QVERIFY(d->RTBHouseDesc->isReadOnly());
    }

    void backKeepsEveryFieldAndTheNextChartStartsClean()
    {
        RecordingPlatform platform;
        FrmMain form(platform);
        form.show();
        FormEntry entry;
        entry.name = QStringLiteral("ASHA RANI  ");
        entry.south = true;
        entry.west = true;
        entry.city = QStringLiteral("Somewhere ");
        Enter(form, entry);
        form.chkDST->setChecked(true);
        form.cboSS->setCurrentText(QStringLiteral("42"));

        form.cmdRashi_Click();
        QPointer<Mdi> first = form.ResultsWindow();
        QVERIFY(first);
        QCOMPARE(first->frmDisplay->lblLatitude->text(), QStringLiteral("28° 37' S"));
        QCOMPARE(first->frmDisplay->lblLongitude->text(), QStringLiteral("77° 13' W"));
        QCOMPARE(first->frmDisplay->lblName->text(), QStringLiteral("ASHA RANI  "));
        const QString firstAscendant = first->frmDisplay->lblPlanet[10]->text();

        QSignalSpy exits(&form, &FrmMain::exitRequested);
        QTest::mouseClick(first->cmdBack, Qt::LeftButton);
        DropDeletedWindows();
        QVERIFY(first.isNull());
        QVERIFY(form.isVisible());
        QCOMPARE(exits.size(), 0);

        QCOMPARE(form.txtName->text(), QStringLiteral("ASHA RANI  "));
        QCOMPARE(form.cboMonth->currentIndex(), 5);
        QCOMPARE(form.cboDate->currentText(), QStringLiteral("15"));
        QCOMPARE(form.cboYear->currentText(), QStringLiteral("1980"));
        QCOMPARE(form.cboHH->currentText(), QStringLiteral("6"));
        QCOMPARE(form.cboMM->currentText(), QStringLiteral("30"));
        QCOMPARE(form.cboSS->currentText(), QStringLiteral("42"));
        QCOMPARE(form.cmbTimeZone->currentIndex(), 34);
        QVERIFY(form.chkDST->isChecked());
        QCOMPARE(form.txtLatD->text(), QStringLiteral("28"));
        QCOMPARE(form.txtLatM->text(), QStringLiteral("37"));
        QVERIFY(form.optLat1->isChecked() && !form.optLat0->isChecked());
        QCOMPARE(form.txtLonD->text(), QStringLiteral("77"));
        QCOMPARE(form.txtLonM->text(), QStringLiteral("13"));
        QVERIFY(form.optLong1->isChecked() && !form.optLong0->isChecked());
        QCOMPARE(form.txtMCity->text(), QStringLiteral("Somewhere "));
        QCOMPARE(form.txtMState->text(), QStringLiteral("Delhi"));
        QCOMPARE(form.txtMCountry->text(), QStringLiteral("India"));

        // Change only the hour: a new window with the new chart and nothing of the old.
        form.cboHH->setCurrentText(QStringLiteral("8"));
        form.cmdRashi_Click();
        Mdi* second = form.ResultsWindow();
        QVERIFY(second != nullptr);
        FrmDisplay* d = second->frmDisplay;
        QCOMPARE(d->lblTOB->text(), QStringLiteral("8:30"));
        QVERIFY(d->lblPlanet[10]->text() != firstAscendant);
        for (int k = 0; k < 12; ++k) {
            QCOMPARE(d->picNatal->houseText(k).count(QStringLiteral("Asc")), k == 0 ? 1 : 0);
        }

        // The report box holds one chart's report, exactly as composed on an empty box.
        QTextEdit fresh;
        RichTextSink sink(fresh);
        InterpretationState state;
        BirthData birth;
        ReadBirthData(form.FormInput(), birth);
        ChartPositions positions;
        ComputeChart(birth, positions);
        ComposeInterpretation(positions, state, sink);
        QCOMPARE(d->RTBHouseDesc->toPlainText(), fresh.toPlainText());
    }

    void piscesAscendantStartsTheWheelAtPisces()
    {
        RecordingPlatform platform;
        FrmMain form(platform);
        FormEntry entry;
        entry.hour = QStringLiteral("1");  // 01:30 IST: 21 Pis 17 rising over Delhi
        Enter(form, entry);
        form.cmdRashi_Click();
        FrmDisplay* d = form.ResultsWindow()->frmDisplay;
        QCOMPARE(d->lblLagna->text(), QStringLiteral("Pisces (Meena)"));
        QCOMPARE(d->lblPlanet[10]->text().mid(3, 3), QStringLiteral("Pis"));
        NatalWheel* wheel = d->picNatal;
        QCOMPARE(wheel->houseText(0), CrLf + "Asc");
        QCOMPARE(wheel->houseText(1), QString());                     // Aries
        QVERIFY(wheel->houseText(3).startsWith(CrLf + "Sun" + CrLf));  // Gemini, fourth from Pisces
        QCOMPARE(wheel->houseText(11), QString());                    // Aquarius
        QCOMPARE(wheel->glyphAt(0), 12);
        QCOMPARE(wheel->glyphAt(1), 1);
        QCOMPARE(wheel->glyphAt(11), 11);
    }

    void buttonStripKeepsItsDistancesFromTheRightEdge()
    {
        RecordingPlatform platform;
        Mdi mdi(platform);
        QCOMPARE(mdi.Command1->text(), QStringLiteral("&Print"));
        QCOMPARE(mdi.cmdBack->text(), QStringLiteral("&Back"));
        QCOMPARE(mdi.cmdMdiExit->text(), QStringLiteral("&Exit"));
        mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mdi));
        const double twip = mdi.logicalDpiX() / 1440.0;
        for (const int width : {900, 1333, 1600}) {
            mdi.resize(width, 700);
            QCoreApplication::processEvents();
            QCOMPARE(mdi.width(), width);
            auto gapToRight = [&](QPushButton* b) {
                return mdi.width() - (b->mapTo(&mdi, QPoint(0, 0)).x() + b->width());
            };
            QVERIFY(std::abs(gapToRight(mdi.cmdMdiExit) - 160 * twip) <= 0.5);
            QVERIFY(std::abs(gapToRight(mdi.cmdBack) - 1400 * twip) <= 0.5);
            QCOMPARE(mdi.Command1->width(), mdi.cmdBack->width());
            QVERIFY(std::abs(gapToRight(mdi.Command1) - 2600 * twip) <= 1.0);
            // Print, Back, Exit from left to right, not touching.
            QVERIFY(mdi.Command1->geometry().right() < mdi.cmdBack->geometry().left());
            QVERIFY(mdi.cmdBack->geometry().right() < mdi.cmdMdiExit->geometry().left());
        }
    }

    void tallWindowGivesTheExtraHeightToTheResultsForm()
    {
        RecordingPlatform platform;
        Mdi mdi(platform);
        mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mdi));
        const QSize designed = mdi.frmDisplay->sizeHint().expandedTo(mdi.frmDisplay->minimumSize());
        mdi.resize(1400, designed.height() + 600);
        QCoreApplication::processEvents();
        QCOMPARE(mdi.frmDisplay->width(), designed.width());
        QVERIFY2(mdi.frmDisplay->height() > designed.height() + 300,
                 qPrintable(QStringLiteral("form height %1, designed %2").arg(mdi.frmDisplay->height()).arg(designed.height())));
        const int reportHeight = mdi.frmDisplay->RTBHouseDesc->height();
        mdi.resize(1400, 500);  // smaller than the form: it keeps its size and scrolls
        QCoreApplication::processEvents();
        QCOMPARE(mdi.frmDisplay->height(), designed.height());
        QVERIFY(mdi.frmDisplay->RTBHouseDesc->height() < reportHeight);
    }

    void menusAndExitsOfTheResultsWindow()
    {
        RecordingPlatform platform;
        FrmMain form(platform);
        Enter(form, FormEntry{});
        form.cmdRashi_Click();
        QPointer<Mdi> mdi = form.ResultsWindow();
        QMenuBar* bar = mdi->menuBar();
        QCOMPARE(bar->actions().size(), 2);
        QCOMPARE(bar->actions().at(0)->text(), QStringLiteral("&File"));
        QCOMPARE(Captions(bar->actions().at(0)->menu()), (QStringList{"&Back", "E&xit"}));
        QCOMPARE(bar->actions().at(1)->text(), QStringLiteral("&Help"));
        QCOMPARE(Captions(bar->actions().at(1)->menu()),
                 (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                              "&About Software"}));

        // File > Back behaves as the button.
        bar->actions().at(0)->menu()->actions().at(0)->trigger();
        DropDeletedWindows();
        QVERIFY(mdi.isNull());
        QVERIFY(form.isVisible());

        // The close box of the results window ends the program.
        form.cmdRashi_Click();
        mdi = form.ResultsWindow();
        QSignalSpy exits(&form, &FrmMain::exitRequested);
        QVERIFY(mdi->close());
        DropDeletedWindows();
        QCOMPARE(exits.size(), 1);
        QVERIFY(mdi.isNull());
        QVERIFY(!form.isVisible());
    }

    void exitButtonEndsTheProgram()
    {
        RecordingPlatform platform;
        FrmMain form(platform);
        Enter(form, FormEntry{});
        form.cmdRashi_Click();
        QPointer<Mdi> mdi = form.ResultsWindow();
        QSignalSpy exits(&form, &FrmMain::exitRequested);
        QTest::mouseClick(mdi->cmdMdiExit, Qt::LeftButton);
        DropDeletedWindows();
        QCOMPARE(exits.size(), 1);
        QVERIFY(mdi.isNull());
        QVERIFY(!form.isVisible());
    }

    void richTextSinkTurnsCrLfIntoParagraphsAndKeepsFormatting()
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
};

QTEST_MAIN(ResultsWindowTest)
#include "tst_results_window.moc"
