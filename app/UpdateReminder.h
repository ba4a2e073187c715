#pragma once

#include <QString>

class QDate;
class QSettings;
class QWidget;

namespace zodiora {

class Platform;

/// At start-up: asks at most once in fifteen days whether to look for an
/// update, remembering the date in the user's settings.
class UpdateReminder {
public:
    explicit UpdateReminder(Platform& platform) : platform_(platform) {}

    /// Runs with the user's settings and today's date.
    void remind();

    /// Runs with the settings store and today's date given: the date is kept
    /// under "lastReminderDate" as ISO text (yyyy-MM-dd). A missing or
    /// unreadable date counts as the first start.
    void remind(QSettings& settings, const QDate& today, QWidget* parent = nullptr);

    /// The question; a carriage return alone between the sentences.
    static QString question();

private:
    Platform& platform_;
};

}  // namespace zodiora
