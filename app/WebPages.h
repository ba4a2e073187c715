#pragma once

#include <QString>
#include <QUrl>

namespace zodiora {

class Platform;

/// The web pages the windows open: the user guide (or the configured help
/// address), the maker's home page and the page where updates are published.
class WebPages {
public:
    explicit WebPages(Platform& platform) : platform_(platform) {}

    void openHelp();
    void openHome();
    void openDownload();

    /// The help page to open: `helpAddress` when one is configured, otherwise
    /// the user guide "user-guide.html" installed with the program, looked for
    /// in `programDir` and then in `programDir`/../share/zodiora.
    static QUrl helpPageUrl(const QString& helpAddress, const QString& programDir);

private:
    Platform& platform_;
};

}  // namespace zodiora
