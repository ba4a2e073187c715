#pragma once

class QWidget;

namespace zodiora {

/// Makes the birth form usable without a mouse or without sight: each
/// control gets an accessible name that says what it holds ("Latitude
/// degrees", "Day of birth"), and the captions beside text boxes and lists
/// get a mnemonic (Alt+letter) that moves the focus to their control.
/// Controls and captions are found by object name and caption text, so the
/// form's builders stay as they are; any the form lacks are skipped.
void DescribeFormControls(QWidget* form);

}  // namespace zodiora
