#include "ModHelp.h"

namespace zodiora {

// Placeholders until the help links and about box land.
void OpenHelpPage(Platform&) {}
void OpenHomePage(Platform&) {}
void OpenDownloadPage(Platform&) {}
void ShowAboutBox(Platform&, QWidget*) {}
void UpdateReminder(Platform&) {}

}  // namespace zodiora
