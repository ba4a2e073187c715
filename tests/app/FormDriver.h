#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>

#include "FrmMain.h"

namespace zodiora::test {

/// Sets the form's controls the way a user would leave them (texts set
/// directly: the tests of the key filters type separately).
struct FormEntry {
    QString name = QStringLiteral("ASHA");
    int monthIndex = 5;  // June
    QString day = QStringLiteral("15");
    QString year = QStringLiteral("1980");
    QString hour = QStringLiteral("6");
    QString minute = QStringLiteral("30");
    int zoneRow = 34;  // "Indian Time, IST, +5.3"
    QString latDegrees = QStringLiteral("28");
    QString latMinutes = QStringLiteral("37");
    bool south = false;
    QString lonDegrees = QStringLiteral("77");
    QString lonMinutes = QStringLiteral("13");
    bool west = false;
    QString city = QStringLiteral("New Delhi");
    QString state = QStringLiteral("Delhi");
    QString country = QStringLiteral("India");
};

inline void Enter(FrmMain& form, const FormEntry& e)
{
    form.txtName->setText(e.name);
    form.cboMonth->setCurrentIndex(e.monthIndex);
    form.cboDate->setCurrentText(e.day);
    form.cboYear->setCurrentText(e.year);
    form.cboHH->setCurrentText(e.hour);
    form.cboMM->setCurrentText(e.minute);
    form.cmbTimeZone->setCurrentIndex(e.zoneRow);
    form.txtLatD->setText(e.latDegrees);
    form.txtLatM->setText(e.latMinutes);
    (e.south ? form.optLat1 : form.optLat0)->setChecked(true);
    form.txtLonD->setText(e.lonDegrees);
    form.txtLonM->setText(e.lonMinutes);
    (e.west ? form.optLong1 : form.optLong0)->setChecked(true);
    form.txtMCity->setText(e.city);
    form.txtMState->setText(e.state);
    form.txtMCountry->setText(e.country);
}

}  // namespace zodiora::test
