#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QStringList>
#include <QTextCursor>
#include <QTextEdit>
#include <QtTest>
#include <tuple>

#include "tests/app/RecordingPlatform.h"
#include "tests/support/SampleBirths.h"

namespace zodiora::test {

/// The 15 June 1980 sample birth as the form holds it, with its place.
inline BirthFormInput Delhi1980Form()
{
    BirthFormInput input = Delhi1980Input();
    input.city = "New Delhi";
    input.state = "Delhi";
    input.country = "India";
    return input;
}

/// The second sample birth as the form holds it (the state and country
/// left as the first's), the partner in match tests.
inline BirthFormInput Mumbai1975()
{
    BirthFormInput input = Mumbai1975Input();
    input.state = "Delhi";
    input.country = "India";
    return input;
}

/// The child of `window` named `name`, or null.
template <typename T>
T* Child(const QObject& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}

/// A menu's captions in order, "-" for a separator.
inline QStringList Captions(const QMenu* menu)
{
    QStringList out;
    for (const QAction* a : menu->actions()) {
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    return out;
}

/// Shows `window` and asks for it to be the active window. Under Xvfb
/// without a window manager activation may never come, so focus checks
/// read the window's own focus widget, which moves either way.
inline void ShowActive(QWidget& window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window, 300);
}

/// Checks that exactly one message was shown, with this text and icon, and forgets it.
inline void ExpectMessage(RecordingPlatform& platform, const QString& text, Platform::Icon icon)
{
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.front().text, text);
    QCOMPARE(platform.messages.front().icon, icon);
    platform.messages.clear();
}

/// Checks that `actual` holds every value of `expected`.
inline void ExpectSameInput(const BirthFormInput& actual, const BirthFormInput& expected)
{
    QCOMPARE(actual.name, expected.name);
    QCOMPARE(std::tie(actual.monthIndex, actual.day, actual.year, actual.hour, actual.minute, actual.zoneRow),
             std::tie(expected.monthIndex, expected.day, expected.year, expected.hour, expected.minute,
                      expected.zoneRow));
    QCOMPARE(std::tie(actual.daylightSaving, actual.south, actual.east),
             std::tie(expected.daylightSaving, expected.south, expected.east));
    QCOMPARE(std::tie(actual.latDegrees, actual.latMinutes, actual.lonDegrees, actual.lonMinutes),
             std::tie(expected.latDegrees, expected.latMinutes, expected.lonDegrees, expected.lonMinutes));
    QCOMPARE(std::tie(actual.latSeconds, actual.lonSeconds, actual.localMeanTime),
             std::tie(expected.latSeconds, expected.lonSeconds, expected.localMeanTime));
    QCOMPARE(std::tie(actual.city, actual.state, actual.country),
             std::tie(expected.city, expected.state, expected.country));
}

/// Runs the deletions windows asked for when they closed.
inline void DropDeletedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

/// A point inside the character at document position `position` of `box`,
/// in the viewport's coordinates.
inline QPoint PointAt(QTextEdit* box, int position)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    const QRect left = box->cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect right = box->cursorRect(cursor);
    return QPoint((left.center().x() + right.center().x()) / 2, left.center().y());
}

inline void SendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button, QPoint at)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                      ? Qt::MouseButtons() : Qt::MouseButtons(button);
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

}  // namespace zodiora::test
