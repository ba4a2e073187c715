#include "app/FormAccessibility.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWidget>

namespace zodiora {

namespace {

struct ControlName {
    const char* objectName;
    const char* accessibleName;
};

// Buttons and boxes with a caption of their own are named by it.
constexpr ControlName ControlNames[] = {
    {"nameEdit", "Name"},
    {"monthBox", "Month of birth"},
    {"dayBox", "Day of birth"},
    {"yearBox", "Year of birth"},
    {"hourBox", "Hour of birth"},
    {"minuteBox", "Minute of birth"},
    {"secondBox", "Second of birth"},
    {"zoneBox", "Time zone"},
    {"latitudeDegreesEdit", "Latitude degrees"},
    {"latitudeMinutesEdit", "Latitude minutes"},
    {"latitudeSecondsEdit", "Latitude seconds"},
    {"northButton", "Latitude North"},
    {"southButton", "Latitude South"},
    {"longitudeDegreesEdit", "Longitude degrees"},
    {"longitudeMinutesEdit", "Longitude minutes"},
    {"longitudeSecondsEdit", "Longitude seconds"},
    {"eastButton", "Longitude East"},
    {"westButton", "Longitude West"},
    {"cityEdit", "City"},
    {"stateEdit", "State"},
    {"countryEdit", "Country"},
};

struct Mnemonic {
    const char* caption;
    const char* withMnemonic;
    const char* buddy;
};

// Letters clear of the menus' (&File, &Help). Not the T of "Time": an
// underlined T loses its kerning with the i and the caption shifts.
constexpr Mnemonic Mnemonics[] = {
    {"Name", "&Name", "nameEdit"},
    {"Date of Birth", "&Date of Birth", "monthBox"},
    {"Time of Birth", "Time of &Birth", "hourBox"},
    {"City", "&City", "cityEdit"},
    {"State", "&State", "stateEdit"},
    {"Country", "C&ountry", "countryEdit"},
};

QString Tr(const char* text)
{
    return QCoreApplication::translate("BirthForm", text);
}

}  // namespace

void DescribeFormControls(QWidget* form)
{
    for (const ControlName& control : ControlNames) {
        if (auto* widget = form->findChild<QWidget*>(QLatin1String(control.objectName))) {
            widget->setAccessibleName(Tr(control.accessibleName));
        }
    }
    for (QLabel* label : form->findChildren<QLabel*>()) {
        for (const Mnemonic& mnemonic : Mnemonics) {
            auto* buddy = form->findChild<QWidget*>(QLatin1String(mnemonic.buddy));
            if (label->text() == QLatin1String(mnemonic.caption) && buddy != nullptr) {
                label->setText(Tr(mnemonic.withMnemonic));
                label->setBuddy(buddy);
            }
        }
    }
}

}  // namespace zodiora
