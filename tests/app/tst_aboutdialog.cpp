// The about box: its texts, icon, link and OK button.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "app/AboutDialog.h"
#include "app/QtText.h"
#include "zodiora/Version.h"
#include "app/AppConfig.h"
#include "tests/app/RecordingPlatform.h"

using namespace zodiora;
using zodiora::test::RecordingPlatform;

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void aboutBoxTexts();
    void aboutBoxLinkOpensHomePageAndOkCloses();
};

void AboutDialogTest::aboutBoxTexts()
{
    RecordingPlatform platform;
    AboutDialog about(platform);
    QCOMPARE(about.windowTitle(), ToQString(ProgramTitle));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("titleLabel"))->text(), ToQString(ProgramTitle));
    const QString description = about.findChild<QLabel*>(QStringLiteral("descriptionLabel"))->text();
    QVERIFY(description.startsWith(QStringLiteral(
        "Zodiora shows the positions of the planets in the twelve signs in your natal chart. "
        "The distribution of the planets in the different signs play an important role in "
        "interpreting the birth chart of an individual.")));
    QVERIFY(description.contains(QStringLiteral("AGPL-3.0-or-later")));
    QVERIFY(!description.contains(QStringLiteral("All rights reserved")));
    QVERIFY(description.contains(QStringLiteral("Place data \u00A9 GeoNames (geonames.org), CC BY 4.0")));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("homePageLink"))->text(),
             QStringLiteral("Click here to visit " ZODIORA_MAKER_ADDRESS));
    QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("okButton"))->text(), QStringLiteral("OK"));
    const QLabel* icon = about.findChild<QLabel*>(QStringLiteral("iconLabel"));
    QVERIFY(!icon->pixmap().isNull());
    QVERIFY(icon->pixmap().toImage().pixelColor(icon->pixmap().width() / 2, icon->pixmap().height() / 2).alpha() > 0);
}

void AboutDialogTest::aboutBoxLinkOpensHomePageAndOkCloses()
{
    RecordingPlatform platform;
    AboutDialog about(platform);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QLabel* link = about.findChild<QLabel*>(QStringLiteral("homePageLink"));
    QTest::mouseClick(link, Qt::RightButton);
    QVERIFY(platform.openedUrls.isEmpty());
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(platform.openedUrls, QList<QUrl>{QUrl(QStringLiteral(ZODIORA_HOME_URL))});
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

QTEST_MAIN(AboutDialogTest)
#include "tst_aboutdialog.moc"
