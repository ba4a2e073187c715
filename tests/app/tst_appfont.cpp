// The windows' text takes the desktop's size; the family stays.
#include <QApplication>
#include <QtTest>

#include "app/AppFont.h"

using namespace zodiora;

class AppFontTest : public QObject {
    Q_OBJECT

private slots:
    void designSizeUntilTheDesktopIsAsked()
    {
        QCOMPARE(ProgramPointSize(), 9.0);
        QCOMPARE(ProgramFont().pointSizeF(), 9.0);
    }

    void desktopSizeIsAdoptedAndTheFamilyKept()
    {
        const QFont desktop = QApplication::font();
        QFont large(QStringLiteral("Sans Serif"));
        large.setPointSizeF(12.5);
        QApplication::setFont(large);
        AdoptDesktopPointSize();
        QCOMPARE(ProgramPointSize(), 12.5);
        QCOMPARE(ProgramFont().pointSizeF(), 12.5);
        QCOMPARE(ProgramFont().family(), ProgramFontFamily());

        QFont pixels(QStringLiteral("Sans Serif"));
        pixels.setPixelSize(15);  // a size the desktop gives in pixels has no point size
        QApplication::setFont(pixels);
        AdoptDesktopPointSize();
        QCOMPARE(ProgramPointSize(), 9.0);
        QApplication::setFont(desktop);
    }
};

QTEST_MAIN(AppFontTest)
#include "tst_appfont.moc"
