#pragma once

#include <QDialog>

namespace zodiora {

class Platform;

/// The about box: icon, program name and version, what the program does,
/// the rights notice and a link to the maker's home page.
class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(Platform& platform, QWidget* parent = nullptr);

    /// The two sentences about the program (the birth form shows them too).
    static QString summaryText();
};

}  // namespace zodiora
