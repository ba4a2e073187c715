// The Transits page of the 15 June 1980 chart at a chosen moment, the
// classic ephemeris's years, and the panchang box of the Summary page.
// With ZODIORA_SHOT_DIR set it also saves a picture of the page.
#include <QDateTimeEdit>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "app/vedic/ChartStyleView.h"
#include "app/vedic/PanchangBox.h"
#include "app/vedic/TransitPage.h"
#include "presentation/VedicDetails.h"
#include "tests/app/VedicTestSupport.h"

using namespace zodiora;
using namespace zodiora::test;

class TestTransitPage : public QObject {
    Q_OBJECT

private:
    static void Show(TransitPage& page, const ChartResult& chart)
    {
        const VedicDetails details = BuildVedicDetails(chart.chart, UtcOffsetSeconds(chart.birth));
        page.showChart(chart, VedicContext{QDate(2027, 3, 1), details});
    }

private slots:
    void initTestCase() { FreshSettings(); }

    void showsTheSkyAtTheChosenMoment()
    {
        TransitPage page;
        page.resize(1100, 760);
        Show(page, Delhi1980Chart());
        page.setMoment(QDateTime(QDate(2031, 5, 17), QTime(6, 30), Qt::UTC));
        QCOMPARE(page.title(), QStringLiteral("Transits"));
        auto* table = page.findChild<QTableWidget*>(QStringLiteral("transitTable"));
        QCOMPARE(table->rowCount(), PointCount);
        // Saturn in Taurus: the 12th from the natal Moon in Gemini, Sade Sati rising.
        const int saturn = int(IndexOf(Body::Saturn));
        QVERIFY(table->item(saturn, 1)->text().contains(QStringLiteral("Tau")));
        QCOMPARE(table->item(saturn, 5)->text(), QStringLiteral("12"));
        QVERIFY(page.findChild<QLabel*>(QStringLiteral("sadeSatiLabel"))->text().contains(QStringLiteral("rising")));
        QVERIFY(page.findChild<QTableWidget*>(QStringLiteral("sadeSatiTable"))->rowCount() > 3);
        QVERIFY(page.findChild<QLabel*>(QStringLiteral("transitDasha"))->text().contains(QStringLiteral("Venus")));
        const auto& input = page.findChild<ChartStyleView*>(QStringLiteral("transitChart"))->input();
        QCOMPARE(input.ascendantSign, 2);  // the natal Lagna, Gemini
        QVERIFY(input.labels[1].contains(QStringLiteral("Sa")));

        if (const QByteArray dir = qgetenv("ZODIORA_SHOT_DIR"); !dir.isEmpty()) {
            page.setChartStyle(ChartStyle::NorthIndian);
            page.show();
            QVERIFY(QTest::qWaitForWindowExposed(&page));
            QVERIFY(page.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/transits.png")));
        }
    }

    void nowButtonAndTheClassicYears()
    {
        TransitPage page;
        Show(page, Delhi1980Chart());
        page.setMoment(QDateTime(QDate(2080, 1, 1), QTime(12, 0), Qt::UTC));
        QVERIFY(page.findChild<QLabel*>(QStringLiteral("transitNote"))->text().contains(QStringLiteral("precise")));
        QCOMPARE(page.findChild<QTableWidget*>(QStringLiteral("transitTable"))->rowCount(), 0);
        QTest::mouseClick(page.findChild<QPushButton*>(QStringLiteral("nowButton")), Qt::LeftButton);
        QVERIFY(qAbs(page.moment().secsTo(QDateTime::currentDateTimeUtc())) < 120);
        QCOMPARE(page.findChild<QTableWidget*>(QStringLiteral("transitTable"))->rowCount(), PointCount);
    }

    void panchangBoxGivesTheBirthDay()
    {
        PanchangBox box;
        box.showChart(Delhi1980Chart());
        const QStringList rows = box.rowTexts();
        QCOMPARE(rows.size(), 7);
        QVERIFY(rows[1].startsWith(QStringLiteral("Sunday, lord Sun")));  // 15 June 1980, after sunrise
        QVERIFY(rows[5].startsWith(QStringLiteral("1980-06-15 05:")));
        QVERIFY(box.findChild<QLabel*>(QStringLiteral("panchangNote"))->text().contains(QStringLiteral("refraction")));
    }
};

QTEST_MAIN(TestTransitPage)
#include "tst_transitpage.moc"
