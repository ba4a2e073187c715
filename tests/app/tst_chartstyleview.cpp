// One chart in each style: the wheel turned to the rising sign with the
// Ascendant in house 1, the square styles painted instead of the wheel,
// and each style drawing something different.
#include <QImage>
#include <QtTest>

#include "app/NatalWheel.h"
#include "app/vedic/ChartStyleView.h"

using namespace zodiora;

namespace {

/// Libra rising, the Moon in Cancer, Rahu and Ketu in Aries and Libra.
ChartStyleInput Sample()
{
    ChartStyleInput input;
    input.ascendantSign = 6;
    input.labels[3] << QStringLiteral("Mo");
    input.labels[0] << QStringLiteral("Ra");
    input.labels[6] << QStringLiteral("Ke") << QStringLiteral("Sa (R)");
    input.title = QStringLiteral("Rasi");
    return input;
}

QImage Drawn(ChartStyleView& view, ChartStyle style)
{
    view.setChartStyle(style);
    return view.grab().toImage();
}

}  // namespace

class ChartStyleViewTest : public QObject {
    Q_OBJECT

private slots:
    void wheelTurnedToTheRisingSign()
    {
        ChartStyleView view;
        view.setInput(Sample());
        const auto* wheel = view.findChild<NatalWheel*>();
        QCOMPARE(wheel->houseText(0), QStringLiteral("Asc\r\nKe\r\nSa (R)"));
        QCOMPARE(wheel->glyphAt(0), 7);   // Libra
        QCOMPARE(wheel->houseText(6), QStringLiteral("Ra"));  // Aries, the seventh from Libra
        QCOMPARE(wheel->glyphAt(6), 1);
        QCOMPARE(wheel->houseText(9), QStringLiteral("Mo"));  // Cancer, the tenth
        QCOMPARE(wheel->houseText(1), QString());
    }

    void eachStyleDrawsItsOwnChart()
    {
        ChartStyleView view;
        view.setInput(Sample());
        view.resize(400, 300);
        const QImage wheel = Drawn(view, ChartStyle::Wheel);
        QVERIFY(!view.findChild<NatalWheel*>()->isHidden());
        const QImage north = Drawn(view, ChartStyle::NorthIndian);
        QVERIFY(view.findChild<NatalWheel*>()->isHidden());
        const QImage south = Drawn(view, ChartStyle::SouthIndian);
        QVERIFY(wheel != north && north != south && wheel != south);
        // Kept in proportion and centred: the wheel's box fits the height.
        const QRect box = view.findChild<NatalWheel*>()->geometry();
        QVERIFY2(qAbs(box.height() - 300) <= 1, qPrintable(QString::number(box.height())));
        QVERIFY2(qAbs(box.center().x() - 200) <= 1, qPrintable(QString::number(box.center().x())));
        QVERIFY(qAbs(box.width() - box.height() * NatalWheel::DesignWidth / NatalWheel::DesignHeight) < 1.5);
    }
};

QTEST_MAIN(ChartStyleViewTest)
#include "tst_chartstyleview.moc"
