#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "timezones/LocalDateTime.h"
#include <string>

#include "timezones/TimeZone.h"
#include "timezones/ZoneChoice.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace zodiora {

/// The line under the birth form's zone: what the time-zone history of the
/// chosen place says for the date and time of birth. It sets the zone row and
/// daylight-saving box to match, or adds an entry for an offset no row gives;
/// when the user's own choice differs it warns and leaves that choice in
/// force; for a reading that happened twice or never it offers both offsets.
/// Hidden until a place is chosen.
class ZoneHistoryLine : public QWidget {
    Q_OBJECT
public:
    ZoneHistoryLine(QComboBox& zoneBox, QCheckBox& daylightSavingBox, QWidget* parent = nullptr);

    /// Follows the zone with IANA id `zoneId` for the place called `name`.
    void setPlace(const QString& name, std::string_view zoneId);
    /// The same for a saved chart whose offset the controls already hold:
    /// that offset stays (warned about where history differs), and history
    /// is followed again from the next change of date or time on.
    void restorePlace(const QString& name, std::string_view zoneId);

    /// The IANA id of the zone followed, or empty when no place is chosen.
    std::string zoneId() const { return zone_ ? std::string(zone_->id()) : std::string(); }
    /// Forgets the place: the line hides and the zone is left to the user.
    void clearPlace();
    /// The form's date and time changed: history is read again.
    void setLocalTime(const timezones::LocalDateTime& local);

    /// Why the form cannot go on yet: a clock reading that happened twice or
    /// never, with no offset picked for it since; empty when there is none.
    QString missingChoice() const;
    /// Puts the focus on the first of the offsets to pick from.
    void focusChoice();

    /// The exact offset of the selected history entry, if that is selected.
    std::optional<int> exactOffsetSeconds() const;
    /// Adds and selects an entry for an exact offset (from a saved input).
    void selectExactOffset(int offsetSeconds);

private:
    void readHistory();
    void follow(const timezones::HistoricalOffset& offset);
    void userChanged();
    void showStatus();
    int formOffsetSeconds() const;
    QString exactEntryText(const timezones::ZoneOffset& offset) const;
    QString choiceText(const timezones::HistoricalOffset& offset, const timezones::HistoricalOffset& other) const;
    void setExactEntry(const QString& text, int offsetSeconds);
    void dropExactEntry();

    QComboBox& zoneBox_;
    QCheckBox& daylightSavingBox_;
    QLabel* statusLabel_;
    QPushButton* earlierButton_;
    QPushButton* laterButton_;
    QString placeName_;
    std::optional<timezones::TimeZone> zone_;
    timezones::LocalDateTime local_;
    timezones::ZoneChoice choice_;
    bool following_ = false;  ///< the controls hold what history says
    bool setting_ = false;    ///< the controls are being set from here
    bool chosen_ = false;     ///< an offset was picked for the reading on show
};

}  // namespace zodiora
