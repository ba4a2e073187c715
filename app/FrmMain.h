#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "BirthFormInput.h"
#include "UserMessage.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zodiora {

struct ChartSession;
class LinkLabel;
class Mdi;
class Platform;

/// The birth-data form: the program's input window for the whole run. Its
/// controls are the only store of the input between charts; "Proceed"
/// builds a fresh results window and hides the form, "Back" shows it again
/// as it was left.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmMain(Platform& platform, QWidget* parent = nullptr);
    ~FrmMain() override;

    /// What the controls hold, for validation and charting.
    BirthFormInput FormInput() const;

    /// The results window of the chart on show, if any.
    Mdi* ResultsWindow() const;

    /// Places the window in the middle of its screen's available area.
    void CentreOnScreen();

    LinkLabel* Label61;
    QLineEdit* txtName;
    QComboBox* cboMonth;
    QComboBox* cboDate;
    QComboBox* cboYear;
    QComboBox* cboHH;
    QComboBox* cboMM;
    QComboBox* cboSS;
    QGroupBox* fraZone;
    QCheckBox* chkDST;
    QComboBox* cmbTimeZone;
    QLineEdit* txtLatD;
    QLineEdit* txtLatM;
    QRadioButton* optLat0;  ///< "North", objectName "optLat(0)"
    QRadioButton* optLat1;  ///< "South", objectName "optLat(1)"
    QLineEdit* txtLonD;
    QLineEdit* txtLonM;
    QRadioButton* optLong0;  ///< "East", objectName "optLong(0)"
    QRadioButton* optLong1;  ///< "West", objectName "optLong(1)"
    QLineEdit* txtMCity;
    QLineEdit* txtMState;
    QLineEdit* txtMCountry;
    QPushButton* cmdBrowser;
    QPushButton* cmdRashi;

signals:
    /// The user asked to end the program (Exit, or a close box).
    void exitRequested();

public slots:
    void cmdRashi_Click();
    void cmdBrowser_Click();
    /// Back from the results: drops the results window, shows the form.
    void ShowInputAgain();
    /// Closes every window of the program and asks for the end of the run.
    void ExitProgram();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildBanner();
    QWidget* buildBirthRows();
    QWidget* buildZone();
    QWidget* buildCoordinates();
    QWidget* buildPlace();
    void buildMenus();
    void fillDefaults();
    void setTabChain();
    void focusField(FormField field);

    Platform& platform_;
    // The chart records every "Proceed" overwrites (kept for the whole run).
    std::unique_ptr<ChartSession> session_;
    QPointer<Mdi> results_;
    bool exiting_ = false;
};

}  // namespace zodiora
