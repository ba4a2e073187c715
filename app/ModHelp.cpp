#include "ModHelp.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "AppConfig.h"
#include "FrmAbout.h"
#include "platform/Platform.h"

namespace zodiora {

namespace {

const QString LastReminderKey = QStringLiteral("lastReminderDate");

/// Days between reminders may reach this many either way before asking again.
constexpr qint64 ReminderQuietDays = 14;

}  // namespace

QUrl HelpPageUrl(const QString& helpAddress, const QString& programDir)
{
    if (!helpAddress.isEmpty()) {
        return QUrl(helpAddress);
    }
    const QDir dir(programDir);
    const QString beside = dir.filePath(QStringLiteral("user-guide.html"));
    const QString shared = dir.filePath(QStringLiteral("../share/zodiora/user-guide.html"));
    if (!QFileInfo::exists(beside) && QFileInfo::exists(shared)) {
        return QUrl::fromLocalFile(QDir::cleanPath(shared));
    }
    return QUrl::fromLocalFile(beside);
}

void OpenHelpPage(Platform& platform)
{
    platform.openUrl(HelpPageUrl(QStringLiteral(ZODIORA_HELP_URL), QCoreApplication::applicationDirPath()));
}

void OpenHomePage(Platform& platform)
{
    platform.openUrl(QUrl(QStringLiteral(ZODIORA_HOME_URL)));
}

void OpenDownloadPage(Platform& platform)
{
    platform.openUrl(QUrl(QStringLiteral(ZODIORA_DOWNLOAD_URL)));
}

void ShowAboutBox(Platform& platform, QWidget* parent)
{
    FrmAbout about(platform, parent);
    about.exec();
}

QString UpdateReminderText()
{
    return QStringLiteral("There maybe an update to this software available") + QChar(u'\r') +
           QStringLiteral("Do you want to check for an update?");
}

void UpdateReminder(Platform& platform)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zodiora"),
                       QStringLiteral("Zodiora"));
    UpdateReminder(platform, settings, QDate::currentDate());
}

void UpdateReminder(Platform& platform, QSettings& settings, const QDate& today, QWidget* parent)
{
    const QDate last = QDate::fromString(settings.value(LastReminderKey).toString(), Qt::ISODate);
    const auto remember = [&] {
        settings.setValue(LastReminderKey, today.toString(Qt::ISODate));
        settings.sync();
    };
    if (!last.isValid()) {
        remember();  // first start: nothing to remind of yet
        return;
    }
    const qint64 difference = today.daysTo(last);  // stored minus today
    if (difference >= -ReminderQuietDays && difference <= ReminderQuietDays) {
        return;
    }
    const Platform::Answer answer =
        platform.showMessage(parent, UpdateReminderText(), Platform::Icon::Information, Platform::Buttons::YesNo);
    remember();
    if (answer == Platform::Answer::Yes) {
        OpenDownloadPage(platform);
    }
}

}  // namespace zodiora
