#include "app/UpdateReminder.h"

#include <QCoreApplication>

#include <QDate>
#include <QSettings>

#include "app/WebPages.h"
#include "app/platform/Platform.h"

namespace zodiora {

namespace {

const QString LastReminderKey = QStringLiteral("lastReminderDate");

/// Days between reminders may reach this many either way before asking again.
constexpr qint64 ReminderQuietDays = 14;

}  // namespace

QString UpdateReminder::question()
{
    return QCoreApplication::translate("zodiora::UpdateReminder", "There maybe an update to this software available") +
           QChar(u'\r') + QCoreApplication::translate("zodiora::UpdateReminder", "Do you want to check for an update?");
}

void UpdateReminder::remind()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zodiora"),
                       QStringLiteral("Zodiora"));
    remind(settings, QDate::currentDate());
}

void UpdateReminder::remind(QSettings& settings, const QDate& today, QWidget* parent)
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
        platform_.showMessage(parent, question(), Platform::Icon::Information, Platform::Buttons::YesNo);
    remember();
    if (answer == Platform::Answer::Yes) {
        WebPages(platform_).openDownload();
    }
}

}  // namespace zodiora
