#pragma once

#include <QString>
#include <QUrl>

class QDate;
class QSettings;
class QWidget;

namespace zodiora {

class Platform;

/// Opens the user guide (or the configured help address).
void OpenHelpPage(Platform& platform);
/// Opens the maker's home page.
void OpenHomePage(Platform& platform);
/// Opens the page where updates are published.
void OpenDownloadPage(Platform& platform);

/// The help page to open: `helpAddress` when one is configured, otherwise
/// the user guide "user-guide.html" installed with the program, looked for
/// in `programDir` and then in `programDir`/../share/zodiora.
QUrl HelpPageUrl(const QString& helpAddress, const QString& programDir);

/// Shows the about box modally over `parent`.
void ShowAboutBox(Platform& platform, QWidget* parent);

/// At start-up: asks at most once in fifteen days whether to look for an
/// update, remembering the date in the user's settings.
void UpdateReminder(Platform& platform);

/// The reminder with its settings store and today's date given: the date is
/// kept under "lastReminderDate" as ISO text (yyyy-MM-dd). A missing or
/// unreadable date counts as the first start.
void UpdateReminder(Platform& platform, QSettings& settings, const QDate& today, QWidget* parent = nullptr);

/// The reminder's question; a carriage return alone between the sentences.
QString UpdateReminderText();

}  // namespace zodiora
