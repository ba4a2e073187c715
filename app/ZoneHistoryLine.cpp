#include "app/ZoneHistoryLine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdlib>

#include "birthdata/TimeZoneTable.h"

namespace zodiora {

namespace {

using timezones::HistoricalOffset;
using timezones::LocalTimeKind;
using timezones::ZoneOffset;

// The history entry comes after the table's rows in the zone list.
constexpr int ExactEntry = TimeZoneRowCount;

/// "UT+05:30", "UT−05:50:36".
QString OffsetText(int offsetSeconds)
{
    const int magnitude = std::abs(offsetSeconds);
    QString text = QStringLiteral("UT%1%2:%3")
                       .arg(offsetSeconds < 0 ? QChar(0x2212) : QChar('+'))
                       .arg(magnitude / 3600, 2, 10, QChar('0'))
                       .arg(magnitude / 60 % 60, 2, 10, QChar('0'));
    if (magnitude % 60 != 0)
        text += QStringLiteral(":%1").arg(magnitude % 60, 2, 10, QChar('0'));
    return text;
}

/// "IST, UT+05:30"; tzdata's numeric abbreviations ("+0545") say nothing the offset doesn't.
QString OffsetName(const ZoneOffset& offset)
{
    const QString abbreviation = QString::fromStdString(offset.abbreviation);
    if (abbreviation.isEmpty() || !abbreviation.front().isLetter())
        return OffsetText(offset.offsetSeconds);
    return abbreviation + QStringLiteral(", ") + OffsetText(offset.offsetSeconds);
}

/// "15 Jun 1980 06:30".
QString MomentText(const timezones::LocalDateTime& local)
{
    return QStringLiteral("%1 %2 %3 %4:%5")
        .arg(local.day)
        .arg(QLocale::c().monthName(local.month, QLocale::ShortFormat))
        .arg(local.year)
        .arg(local.hour, 2, 10, QChar('0'))
        .arg(local.minute, 2, 10, QChar('0'));
}

/// "EST"; the offset where tzdata has only a number ("+0545") or nothing.
QString ShortName(const ZoneOffset& offset)
{
    const QString abbreviation = QString::fromStdString(offset.abbreviation);
    if (abbreviation.isEmpty() || !abbreviation.front().isLetter())
        return OffsetText(offset.offsetSeconds);
    return abbreviation;
}

/// "03:30": the clock reading `seconds` after `local`'s, within its day.
QString ClockText(const timezones::LocalDateTime& local, int seconds)
{
    constexpr int Day = 24 * 3600;
    const int moved = ((local.hour * 3600 + local.minute * 60 + seconds) % Day + Day) % Day;
    return QStringLiteral("%1:%2").arg(moved / 3600, 2, 10, QChar('0')).arg(moved / 60 % 60, 2, 10, QChar('0'));
}

QPushButton* ChoiceButton(const char* name, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setCheckable(true);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->hide();
    return button;
}

}  // namespace

ZoneHistoryLine::ZoneHistoryLine(QComboBox& zoneBox, QCheckBox& daylightSavingBox, QWidget* parent)
    : QWidget(parent),
      zoneBox_(zoneBox),
      daylightSavingBox_(daylightSavingBox),
      statusLabel_(new QLabel(this)),
      earlierButton_(ChoiceButton("earlierOffsetButton", this)),
      laterButton_(ChoiceButton("laterOffsetButton", this))
{
    setObjectName(QStringLiteral("zoneHistoryLine"));
    statusLabel_->setObjectName(QStringLiteral("zoneHistoryLabel"));
    // The form is narrow: the offsets to pick from go on a row of their own.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(statusLabel_);
    auto* choices = new QHBoxLayout;
    choices->addWidget(earlierButton_);
    choices->addWidget(laterButton_);
    choices->addStretch(1);
    column->addLayout(choices);

    connect(earlierButton_, &QPushButton::clicked, this, [this] {
        follow(choice_.earlier);
        chosen_ = true;
        showStatus();
    });
    connect(laterButton_, &QPushButton::clicked, this, [this] {
        follow(choice_.later);
        chosen_ = true;
        showStatus();
    });
    connect(&zoneBox_, &QComboBox::currentIndexChanged, this, &ZoneHistoryLine::userChanged);
    connect(&daylightSavingBox_, &QCheckBox::toggled, this, &ZoneHistoryLine::userChanged);
    hide();
}

void ZoneHistoryLine::setPlace(const QString& name, std::string_view zoneId)
{
    placeName_ = name;
    std::string error;
    zone_ = timezones::TimeZone::Find(zoneId, &error);
    following_ = true;
    chosen_ = false;
    if (!zone_) {
        statusLabel_->setText(tr("%1: no time-zone history (%2)").arg(name, QString::fromStdString(error)));
        earlierButton_->hide();
        laterButton_->hide();
    }
    readHistory();
    show();
}

void ZoneHistoryLine::restorePlace(const QString& name, std::string_view zoneId)
{
    const int saved = formOffsetSeconds();
    placeName_ = name;
    std::string error;
    zone_ = timezones::TimeZone::Find(zoneId, &error);
    following_ = false;
    if (!zone_) {
        // The offset saved with the chart stands; only the reason is new.
        statusLabel_->setText(tr("%1: no time-zone history (%2)").arg(name, QString::fromStdString(error)));
        earlierButton_->hide();
        laterButton_->hide();
        show();
        return;
    }
    choice_ = timezones::ChooseZone(*zone_, local_);
    const bool earlier = saved == choice_.earlier.offset.offsetSeconds;
    const bool later = choice_.kind != LocalTimeKind::Unique && saved == choice_.later.offset.offsetSeconds;
    // History's own entry (and text) for the offset saved, when it gives that offset.
    const HistoricalOffset& kept = earlier ? choice_.earlier : choice_.later;
    if ((earlier || later) && exactOffsetSeconds()) {
        // Saved as an exact offset, it stays one (as the tool saves it), named as history names it.
        setting_ = true;
        setExactEntry(exactEntryText(kept.offset), saved);
        setting_ = false;
        following_ = true;
    } else if (earlier || later) {
        follow(kept);
    }
    // The chart was saved with this offset: a reading that happened twice or never was settled then.
    chosen_ = earlier || later;
    showStatus();
    show();
}

void ZoneHistoryLine::clearPlace()
{
    zone_.reset();
    placeName_.clear();
    following_ = false;
    dropExactEntry();
    hide();
}

void ZoneHistoryLine::setLocalTime(const timezones::LocalDateTime& local)
{
    if (local != local_)
        chosen_ = false;
    local_ = local;
    readHistory();
}

std::optional<int> ZoneHistoryLine::exactOffsetSeconds() const
{
    if (zoneBox_.currentIndex() != ExactEntry)
        return std::nullopt;
    return zoneBox_.itemData(ExactEntry).toInt();
}

void ZoneHistoryLine::selectExactOffset(int offsetSeconds)
{
    setting_ = true;
    setExactEntry(tr("%1 (exact offset)").arg(OffsetText(offsetSeconds)), offsetSeconds);
    setting_ = false;
}

QString ZoneHistoryLine::missingChoice() const
{
    if (!zone_ || choice_.kind == LocalTimeKind::Unique || chosen_)
        return {};
    const QString moment = MomentText(local_);
    if (choice_.kind == LocalTimeKind::Skipped)
        return tr("%1 never happened in %2: the clocks went forward. Choose under the zone: %3 or %4.")
            .arg(moment, placeName_, earlierButton_->text(), laterButton_->text());
    return tr("%1 happened twice in %2: the clocks went back. Choose under the zone: the %3 or the %4.")
        .arg(moment, placeName_, earlierButton_->text(), laterButton_->text());
}

void ZoneHistoryLine::focusChoice()
{
    earlierButton_->setFocus(Qt::OtherFocusReason);
}

void ZoneHistoryLine::readHistory()
{
    if (!zone_)
        return;
    choice_ = timezones::ChooseZone(*zone_, local_);
    // A reading that happened twice or never waits for the user to pick.
    if (following_ && choice_.kind == LocalTimeKind::Unique)
        follow(choice_.earlier);
    showStatus();
}

void ZoneHistoryLine::follow(const HistoricalOffset& offset)
{
    setting_ = true;
    if (offset.setting) {
        zoneBox_.setCurrentIndex(offset.setting->row);
        daylightSavingBox_.setChecked(offset.setting->daylightSaving);
        dropExactEntry();
    } else {
        setExactEntry(exactEntryText(offset.offset), offset.offset.offsetSeconds);
    }
    setting_ = false;
    following_ = true;
}

void ZoneHistoryLine::userChanged()
{
    // The exact offset replaces the daylight-saving hour, so the box has no say.
    daylightSavingBox_.setEnabled(zoneBox_.currentIndex() != ExactEntry);
    if (setting_ || !zone_)
        return;
    following_ = choice_.kind == LocalTimeKind::Unique && formOffsetSeconds() == choice_.earlier.offset.offsetSeconds;
    // Setting the zone by hand is a choice too.
    chosen_ = true;
    showStatus();
}

void ZoneHistoryLine::showStatus()
{
    if (!zone_)
        return;
    const QString where = placeName_ + QStringLiteral(", ") + MomentText(local_);
    const int formOffset = formOffsetSeconds();
    const bool unique = choice_.kind == LocalTimeKind::Unique;
    bool warn = false;
    if (unique) {
        const ZoneOffset& history = choice_.earlier.offset;
        warn = formOffset != history.offsetSeconds;
        statusLabel_->setText(warn ? tr("⚠ %1: history says %2,\nthe form says %3; the form's choice is used")
                                         .arg(where, OffsetName(history), OffsetText(formOffset))
                                   : tr("%1: %2").arg(where, OffsetName(history)));
    } else {
        const bool twice = choice_.kind == LocalTimeKind::Ambiguous;
        statusLabel_->setText(twice ? tr("%1 happened twice (clocks went back):").arg(where)
                                    : tr("%1 never happened (clocks went forward):").arg(where));
        if (twice) {
            earlierButton_->setText(tr("earlier (%1)").arg(OffsetName(choice_.earlier.offset)));
            laterButton_->setText(tr("later (%1)").arg(OffsetName(choice_.later.offset)));
        } else {
            earlierButton_->setText(choiceText(choice_.earlier, choice_.later));
            laterButton_->setText(choiceText(choice_.later, choice_.earlier));
        }
        earlierButton_->setChecked(formOffset == choice_.earlier.offset.offsetSeconds);
        laterButton_->setChecked(formOffset == choice_.later.offset.offsetSeconds);
    }
    earlierButton_->setVisible(!unique);
    laterButton_->setVisible(!unique);
    statusLabel_->setStyleSheet(warn ? QStringLiteral("color: #b00000; font-weight: bold;") : QString());
}

int ZoneHistoryLine::formOffsetSeconds() const
{
    if (const std::optional<int> exact = exactOffsetSeconds())
        return *exact;
    const int row = zoneBox_.currentIndex();
    if (row < 0 || row >= TimeZoneRowCount)
        return 0;
    return timezones::OffsetSecondsOf({row, daylightSavingBox_.isChecked()});
}

QString ZoneHistoryLine::exactEntryText(const ZoneOffset& offset) const
{
    return tr("%1: %2 (from time-zone history)").arg(placeName_, OffsetName(offset));
}

// A reading that never happened, read in one offset, is another reading in
// the other: "as EST (02:30 EST = 03:30 EDT)".
QString ZoneHistoryLine::choiceText(const HistoricalOffset& offset, const HistoricalOffset& other) const
{
    const QString name = ShortName(offset.offset);
    return tr("as %1 (%2 %1 = %3 %4)")
        .arg(name, ClockText(local_, 0),
             ClockText(local_, other.offset.offsetSeconds - offset.offset.offsetSeconds), ShortName(other.offset));
}

void ZoneHistoryLine::setExactEntry(const QString& text, int offsetSeconds)
{
    if (zoneBox_.count() > ExactEntry) {
        zoneBox_.setItemText(ExactEntry, text);
        zoneBox_.setItemData(ExactEntry, offsetSeconds);
    } else {
        zoneBox_.addItem(text, offsetSeconds);
    }
    daylightSavingBox_.setChecked(false);
    zoneBox_.setCurrentIndex(ExactEntry);
    daylightSavingBox_.setEnabled(false);
}

void ZoneHistoryLine::dropExactEntry()
{
    if (zoneBox_.count() > ExactEntry)
        zoneBox_.removeItem(ExactEntry);
    daylightSavingBox_.setEnabled(true);
}

}  // namespace zodiora
