#pragma once

#include <QDialog>
#include <QString>

#include "app/ReportLinks.h"

class QTextEdit;

namespace zodiora {

class Platform;

/// The report window: the chart's report between two footer lines, with
/// Save (Rich Text Format) and Print. Building it loads the report and
/// attaches link handling to the box; closing it detaches link handling.
/// Built afresh for every opening, so the report is always the current one.
class ReportDialog final : public QDialog {
    Q_OBJECT
public:
    /// `resultsText`: the plain text of the results window's report box,
    /// paragraph breaks as CR LF.
    ReportDialog(Platform& platform, const QString& resultsText, QWidget* parent = nullptr);

    /// The box's current text with paragraph breaks as CR LF.
    QString reportText() const;

    /// Whether the addresses in the report box work as links.
    bool linksAttached() const { return links_.isAttached(); }

    void done(int result) override;

    /// Whose report it is: the save dialog suggests a file of that name.
    void setPersonName(const QString& name);

public slots:
    void save();
    void print();

private:
    Platform& platform_;
    QTextEdit* reportBox_;
    ReportLinks links_;
    QString personName_;
};

}  // namespace zodiora
