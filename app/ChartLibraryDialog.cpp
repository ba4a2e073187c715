#include "app/ChartLibraryDialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "chartlibrary/ChartLibrary.h"

#include "app/QtText.h"
#include "app/platform/Platform.h"

namespace zodiora {

namespace {

enum Column { NameColumn, BornColumn, PlaceColumn, SavedColumn };
constexpr int IdRole = Qt::UserRole;

QString SavedText(std::int64_t modifiedMs)
{
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(modifiedMs).toLocalTime(), QLocale::ShortFormat);
}

}  // namespace

ChartLibraryDialog::ChartLibraryDialog(ChartLibrary& library, Platform& platform, QWidget* parent)
    : QDialog(parent), library_(library), platform_(platform)
{
    setObjectName(QStringLiteral("chartLibraryDialog"));
    setWindowTitle(tr("Open Chart"));

    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("searchEdit"));
    search_->setPlaceholderText(tr("Name, date (1980-06-15) or place"));
    search_->setClearButtonEnabled(true);
    auto* searchLabel = new QLabel(tr("&Search:"), this);
    searchLabel->setBuddy(search_);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("chartList"));
    list_->setHeaderLabels({tr("Name"), tr("Born"), tr("Place"), tr("Saved")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setEditTriggers(QAbstractItemView::EditKeyPressed);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(PlaceColumn, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(SavedColumn, QHeaderView::ResizeToContents);

    openButton_ = new QPushButton(tr("&Open"), this);
    openButton_->setObjectName(QStringLiteral("openButton"));
    openButton_->setDefault(true);
    renameButton_ = new QPushButton(tr("&Rename"), this);
    renameButton_->setObjectName(QStringLiteral("renameButton"));
    deleteButton_ = new QPushButton(tr("&Delete"), this);
    deleteButton_->setObjectName(QStringLiteral("deleteButton"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(openButton_, QDialogButtonBox::AcceptRole);
    buttons->addButton(renameButton_, QDialogButtonBox::ActionRole);
    buttons->addButton(deleteButton_, QDialogButtonBox::ActionRole);

    connect(search_, &QLineEdit::textChanged, this, &ChartLibraryDialog::refresh);
    connect(list_, &QTreeWidget::itemActivated, this, &ChartLibraryDialog::openCurrent);
    connect(list_, &QTreeWidget::itemChanged, this, &ChartLibraryDialog::nameEdited);
    connect(list_, &QTreeWidget::currentItemChanged, this, &ChartLibraryDialog::updateButtons);
    connect(openButton_, &QPushButton::clicked, this, &ChartLibraryDialog::openCurrent);
    connect(renameButton_, &QPushButton::clicked, this, &ChartLibraryDialog::renameCurrent);
    connect(deleteButton_, &QPushButton::clicked, this, &ChartLibraryDialog::deleteCurrent);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(720, 420);

    refresh();
    search_->setFocus();
}

void ChartLibraryDialog::refresh()
{
    const auto charts = library_.list(ToUtf8(search_->text()));
    filling_ = true;
    list_->clear();
    if (charts) {
        for (const ChartSummary& chart : *charts) {
            auto* item = new QTreeWidgetItem(list_, {ToQString(chart.name), ToQString(chart.date),
                                                     ToQString(chart.place), SavedText(chart.modifiedMs)});
            item->setData(NameColumn, IdRole, QVariant::fromValue<qint64>(chart.id));
            item->setFlags(item->flags() | Qt::ItemIsEditable);
        }
    }
    filling_ = false;
    for (int c = NameColumn; c < PlaceColumn; ++c) {
        list_->resizeColumnToContents(c);
    }
    list_->setCurrentItem(list_->topLevelItem(0));
    updateButtons();
    if (!charts) {
        platform_.showMessage(this, ToQString(charts.error()), Platform::Icon::Error);
    }
}

void ChartLibraryDialog::openCurrent()
{
    // Enter in the list both activates the row and presses the default button.
    const QTreeWidgetItem* item = list_->currentItem();
    if (item == nullptr || selected_) {
        return;
    }
    auto chart = library_.get(item->data(NameColumn, IdRole).toLongLong());
    if (!chart) {
        platform_.showMessage(this, ToQString(chart.error()), Platform::Icon::Error);
        refresh();
        return;
    }
    selected_ = std::move(chart).value();
    accept();
}

void ChartLibraryDialog::renameCurrent()
{
    if (QTreeWidgetItem* item = list_->currentItem()) {
        list_->setFocus();
        list_->editItem(item, NameColumn);
    }
}

void ChartLibraryDialog::nameEdited(QTreeWidgetItem* item, int column)
{
    if (filling_ || column != NameColumn) {
        return;
    }
    const QString name = item->text(NameColumn).trimmed();
    if (!name.isEmpty()) {
        const auto renamed = library_.rename(item->data(NameColumn, IdRole).toLongLong(), ToUtf8(name));
        if (!renamed) {
            platform_.showMessage(this, ToQString(renamed.error()), Platform::Icon::Error);
        }
    }
    // The editor is still closing: list again once it is gone (an empty
    // name puts the old one back).
    QTimer::singleShot(0, this, &ChartLibraryDialog::refresh);
}

void ChartLibraryDialog::deleteCurrent()
{
    const QTreeWidgetItem* item = list_->currentItem();
    if (item == nullptr) {
        return;
    }
    const QString question = tr("Delete the chart \"%1\" from the library?\nThis cannot be undone.")
                                 .arg(item->text(NameColumn));
    if (platform_.showMessage(this, question, Platform::Icon::Information, Platform::Buttons::YesNo) !=
        Platform::Answer::Yes) {
        return;
    }
    const auto removed = library_.remove(item->data(NameColumn, IdRole).toLongLong());
    if (!removed) {
        platform_.showMessage(this, ToQString(removed.error()), Platform::Icon::Error);
    }
    refresh();
}

void ChartLibraryDialog::updateButtons()
{
    const bool chosen = list_->currentItem() != nullptr;
    openButton_->setEnabled(chosen);
    renameButton_->setEnabled(chosen);
    deleteButton_->setEnabled(chosen);
}

}  // namespace zodiora
