#pragma once

#include <QMainWindow>

class QLabel;
class QPushButton;
class QScrollArea;

namespace zodiora {

class FrmDisplay;
class LinkLabel;
class Platform;

/// The results window: banner and title strips, the results form centred
/// in a scroll area, and the Print / Back / Exit strip. Created for one
/// chart and deleted when closed.
class Mdi : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ExitRightGap = 160;    ///< twips from the right edge to Exit's right edge
    static constexpr int BackRightGap = 1400;   ///< twips from the right edge to Back's right edge
    static constexpr int PrintOffset = 2600;    ///< Print's left edge: W − (width of Back + this)

    explicit Mdi(Platform& platform, QWidget* parent = nullptr);

    LinkLabel* lblCorvaneBanner;
    QLabel* lblSoftwareName;
    FrmDisplay* frmDisplay;
    QPushButton* Command1;
    QPushButton* cmdBack;
    QPushButton* cmdMdiExit;

    /// Closes and deletes the window without ending the program.
    void CloseForBack();

signals:
    void backRequested();
    void exitRequested();

public slots:
    void cmdBack_Click();
    void cmdMdiExit_Click();
    void Command1_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void fitDisplayHeight();

private:
    QWidget* buildBanner();
    QWidget* buildTitle();
    QWidget* buildButtons();
    void buildMenus();
    void placeButtons();

    Platform& platform_;
    QWidget* buttonStrip_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    bool closingForBack_ = false;
};

}  // namespace zodiora
