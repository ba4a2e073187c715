#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zodiora {

class Platform;
class LinkLabel;

/// The about box: icon, program name and version, what the program does,
/// the rights notice and a link to the maker's home page.
class FrmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(Platform& platform, QWidget* parent = nullptr);

    /// Label1's text: the two sentences about the program, then the rights notice.
    static QString DescriptionText();

private:
    QLabel* picIcon;
    QLabel* Label2;
    QLabel* Label1;
    LinkLabel* lblHomePage;
    QPushButton* cmdOK;
};

}  // namespace zodiora
