#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLineEdit;
class QPlainTextEdit;

namespace zodiora {

/// Asks for the name a chart is kept under and a note, the first time it
/// is saved.
class SaveChartDialog : public QDialog {
    Q_OBJECT
public:
    SaveChartDialog(const QString& name, const QString& note, QWidget* parent = nullptr);

    QString name() const;
    QString note() const;

private:
    QLineEdit* nameEdit_;
    QPlainTextEdit* noteEdit_;
    QDialogButtonBox* buttons_;
};

}  // namespace zodiora
