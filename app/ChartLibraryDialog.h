#pragma once

#include <QDialog>
#include <optional>

#include "chartlibrary/SavedChart.h"

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zodiora {

class ChartLibrary;
class Platform;

/// "Open Chart": the saved charts, newest first, narrowed by a search over
/// name, date and place. Enter or a double click opens the chosen chart;
/// charts can be renamed in place and deleted after a question.
class ChartLibraryDialog : public QDialog {
    Q_OBJECT
public:
    ChartLibraryDialog(ChartLibrary& library, Platform& platform, QWidget* parent = nullptr);

    /// The chart the user opened; nothing before that or after Cancel.
    const std::optional<SavedChart>& selectedChart() const { return selected_; }

public slots:
    /// Lists the charts matching the search text again.
    void refresh();
    /// Loads the current chart and closes the dialog with it.
    void openCurrent();
    /// Starts editing the current chart's name.
    void renameCurrent();
    /// Deletes the current chart once the user confirms.
    void deleteCurrent();

private:
    void nameEdited(QTreeWidgetItem* item, int column);
    void updateButtons();

    ChartLibrary& library_;
    Platform& platform_;
    QLineEdit* search_;
    QTreeWidget* list_;
    QPushButton* openButton_;
    QPushButton* renameButton_;
    QPushButton* deleteButton_;
    std::optional<SavedChart> selected_;
    bool filling_ = false;
};

}  // namespace zodiora
