#pragma once

class QWidget;

namespace zodiora {

class Platform;

/// Opens the user guide (or the configured help address).
void OpenHelpPage(Platform& platform);
/// Opens the maker's home page.
void OpenHomePage(Platform& platform);
/// Opens the page where updates are published.
void OpenDownloadPage(Platform& platform);

/// Shows the about box modally over `parent`.
void ShowAboutBox(Platform& platform, QWidget* parent);

/// At start-up: asks at most once in fifteen days whether to look for an
/// update, remembering the date in the user's settings.
void UpdateReminder(Platform& platform);

}  // namespace zodiora
