#pragma once

#include <QWidget>
#include <string>
#include <string_view>

#include "birthdata/BirthFormInput.h"
#include "birthdata/UserMessage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zodiora {

class Platform;
class PlaceField;
class ZoneHistoryLine;
namespace atlas {
struct Place;
}

/// The birth form's controls, top to bottom: name, date and time of birth,
/// zone, latitude and longitude, and the place with its lookup button.
/// Typed characters pass the keystroke filters; pasted text is left to
/// validation.
class BirthFormFields : public QWidget {
    Q_OBJECT
public:
    explicit BirthFormFields(Platform& platform, QWidget* parent = nullptr);

    /// What the controls hold, for validation and charting.
    BirthFormInput input() const;
    /// The zone id of the place chosen in the place field; empty without one.
    std::string zoneId() const;
    /// Sets every control as `input` describes (seconds are left alone);
    /// with the zone id the input's offset came from, the history line
    /// follows that zone again, as when the place was picked.
    void setInput(const BirthFormInput& input, std::string_view zoneId = {});
    /// Sets the name alone; the place and its zone stay.
    void setName(const std::string& name);

    /// Why the time of birth needs an offset picked under the zone first
    /// (a reading that happened twice or never); empty when it does not.
    QString missingZoneChoice() const;
    /// Puts the focus on the offsets to pick from.
    void focusZoneChoice();

    /// The "Local mean time" box is ticked: the offset is the birth place's own mean time.
    bool localMeanTime() const;

    /// Puts the focus in the box a validation message names.
    void focusField(FormField field);
    /// Continues the tab chain from the lookup button to `next`.
    void chainTabTo(QWidget* next);

signals:
    /// The lookup button was pressed.
    void placeLookupRequested();
    /// The year list's choice changed to `year`.
    void yearChosen(int year);

private:
    QWidget* buildBirthRows();
    QWidget* buildZone();
    QWidget* buildCoordinates();
    QWidget* buildPlace();
    void fillDefaults();
    void setTabChain();
    void connectZoneHistory();
    void fillPlace(const atlas::Place& place);
    /// Ticks the mean-time box where the place's zone kept local mean time at the birth, and
    /// unticks it when history ticked it and no longer does.
    void followMeanTimeHistory();

    QLineEdit* nameEdit_;
    QComboBox* monthBox_;
    QComboBox* dayBox_;
    QComboBox* yearBox_;
    QComboBox* hourBox_;
    QComboBox* minuteBox_;
    QComboBox* secondBox_;
    QCheckBox* daylightSavingBox_;
    QComboBox* zoneBox_;
    QCheckBox* meanTimeBox_;
    bool meanTimeFromHistory_ = false;  ///< the mean-time box was ticked by history, not by hand
    QLineEdit* latitudeDegreesEdit_;
    QLineEdit* latitudeMinutesEdit_;
    QLineEdit* latitudeSecondsEdit_;  ///< optional; may hold decimals
    QRadioButton* northButton_;
    QRadioButton* southButton_;
    QLineEdit* longitudeDegreesEdit_;
    QLineEdit* longitudeMinutesEdit_;
    QLineEdit* longitudeSecondsEdit_;  ///< optional; may hold decimals
    QRadioButton* eastButton_;
    QRadioButton* westButton_;
    QLineEdit* cityEdit_;
    QLineEdit* stateEdit_;
    QLineEdit* countryEdit_;
    QPushButton* lookupButton_;
    PlaceField* placeField_;
    ZoneHistoryLine* zoneHistoryLine_;
};

}  // namespace zodiora
