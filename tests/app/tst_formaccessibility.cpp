// What a screen reader and a keyboard user meet in the birth form: every
// control named for what it holds, captions with mnemonics, no silent stops.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "app/BirthFormWindow.h"
#include "tests/app/AppTestSupport.h"

using namespace zodiora;
using namespace zodiora::test;

namespace {

/// The name assistive technology reads for `widget`. Qt on Unix reports a
/// list's current entry as its name (the caption comes as a relation), so
/// lists are judged by the name the program gives them.
QString SpokenName(QWidget* widget)
{
    if (qobject_cast<QComboBox*>(widget) != nullptr) {
        return widget->accessibleName();
    }
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

/// The widgets Tab stops at, in order, starting from `first`.
QList<QWidget*> TabStops(QWidget* first)
{
    QList<QWidget*> stops;
    for (QWidget* w = first; w != nullptr && !stops.contains(w); w = w->nextInFocusChain()) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            stops << w;
        }
    }
    return stops;
}

}  // namespace

class FormAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyStopHasItsOwnName()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ShowActive(form);
        QStringList names;
        for (QWidget* stop : TabStops(Child<QWidget>(form, "nameEdit"))) {
            const QString name = SpokenName(stop);
            qInfo("%-22s %-14s \"%s\"", qPrintable(stop->objectName()), stop->metaObject()->className(),
                  qPrintable(name));
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(stop->objectName()));
            QVERIFY2(!names.contains(name), qPrintable(name));
            names << name;
        }
        QCOMPARE(names.size(), 25);  // the 24 controls (the mean-time box and seconds boxes among them) and Proceed
        QVERIFY(names.contains(QStringLiteral("Latitude degrees")));
        QVERIFY(names.contains(QStringLiteral("Longitude minutes")));
        QVERIFY(names.contains(QStringLiteral("Latitude seconds")));
    }

    void bannerLinkIsNoTabStop()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ShowActive(form);
        const QList<QWidget*> stops = TabStops(Child<QWidget>(form, "nameEdit"));
        QVERIFY(!stops.contains(Child<QWidget>(form, "forumBanner")));
        QCOMPARE(stops.constLast(), Child<QWidget>(form, "proceedButton"));
    }

    void captionMnemonicsMoveTheFocusToTheirControl()
    {
        RecordingPlatform platform;
        BirthFormWindow form(platform);
        ShowActive(form);
        const std::pair<Qt::Key, const char*> keys[] = {{Qt::Key_D, "monthBox"}, {Qt::Key_B, "hourBox"},
                                                        {Qt::Key_C, "cityEdit"},  {Qt::Key_S, "stateEdit"},
                                                        {Qt::Key_O, "countryEdit"}, {Qt::Key_N, "nameEdit"}};
        for (const auto& [key, target] : keys) {
            QTest::keyClick(&form, key, Qt::AltModifier);
            QVERIFY2(form.focusWidget() == Child<QWidget>(form, target), target);
        }
        // The captions read as before; only the underline is new.
        QStringList captions;
        for (const QLabel* label : form.findChildren<QLabel*>()) {
            if (label->buddy() != nullptr) {
                captions << label->text();
            }
        }
        captions.sort();
        QCOMPARE(captions, (QStringList{"&City", "&Date of Birth", "&Name", "&State", "C&ountry", "Time of &Birth"}));
    }
};

QTEST_MAIN(FormAccessibilityTest)
#include "tst_formaccessibility.moc"
