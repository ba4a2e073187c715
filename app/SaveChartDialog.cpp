#include "app/SaveChartDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zodiora {

SaveChartDialog::SaveChartDialog(const QString& name, const QString& note, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("saveChartDialog"));
    setWindowTitle(tr("Save Chart"));
    nameEdit_ = new QLineEdit(name, this);
    nameEdit_->setObjectName(QStringLiteral("nameEdit"));
    noteEdit_ = new QPlainTextEdit(note, this);
    noteEdit_->setObjectName(QStringLiteral("noteEdit"));
    noteEdit_->setTabChangesFocus(true);
    noteEdit_->setPlaceholderText(tr("Anything worth remembering about this chart"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), nameEdit_);
    form->addRow(tr("N&ote:"), noteEdit_);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A chart is found again by its name, so it needs one.
    connect(nameEdit_, &QLineEdit::textChanged, this, [this](const QString& text) {
        buttons_->button(QDialogButtonBox::Save)->setEnabled(!text.trimmed().isEmpty());
    });
    buttons_->button(QDialogButtonBox::Save)->setEnabled(!name.trimmed().isEmpty());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons_);
    nameEdit_->setFocus();
    nameEdit_->selectAll();
}

QString SaveChartDialog::name() const
{
    return nameEdit_->text();
}

QString SaveChartDialog::note() const
{
    return noteEdit_->toPlainText();
}

}  // namespace zodiora
