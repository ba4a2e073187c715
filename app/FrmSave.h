#pragma once

#include <QDialog>
#include <QString>

class QPushButton;
class QTextEdit;

namespace zodiora {

class Platform;
class LinkLabel;

/// The report window: the chart's report between two footer lines, with
/// Save (Rich Text Format) and Print. Building it loads the report and
/// attaches link handling to the box; closing it detaches link handling.
class FrmSave final : public QDialog {
    Q_OBJECT
public:
    /// `resultsText`: the plain text of the results form's report box,
    /// paragraph breaks as CR LF.
    FrmSave(Platform& platform, const QString& resultsText, QWidget* parent = nullptr);
    ~FrmSave() override;

    /// The footer line that frames the report.
    static QString FooterLine();

    /// The box's current text with paragraph breaks as CR LF.
    QString reportText() const;

    void done(int result) override;

public slots:
    void cmdSave_Click();
    void cmdPrint_Click();

private:
    void unloadLinks();

    Platform& platform_;
    QTextEdit* RTB;
    QPushButton* cmdSave;
    QPushButton* cmdPrint;
    LinkLabel* Label1;
    LinkLabel* Label14;
    bool linksAttached_ = false;
};

}  // namespace zodiora
