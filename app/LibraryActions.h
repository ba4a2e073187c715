#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

class QMenu;
class QWidget;

namespace zodiora {

class BirthFormWindow;
class ChartLibrary;
class Platform;
struct SavedChart;

/// The chart library in the windows: "Save Chart" (Ctrl+S), "Open Chart…"
/// (Ctrl+O), "Open Recent" and "Match Charts…" in the File menus of the form and of each
/// results window. A chart is the form's whole input; opening one fills the
/// form and shows its results. The library file is opened on first use.
class LibraryActions : public QObject {
    Q_OBJECT
public:
    /// Where the library lives: $ZODIORA_LIBRARY_FILE if set, else the
    /// file zodiora-chart uses too (DefaultChartLibraryPath).
    static std::filesystem::path LibraryFile();

    /// Adds the entries to the form's `fileMenu`; `libraryFile` empty = LibraryFile().
    LibraryActions(Platform& platform, BirthFormWindow& form, QMenu* fileMenu,
                   std::filesystem::path libraryFile = {});
    ~LibraryActions() override;

    /// Adds the same entries to another window's File menu, at its top.
    void addTo(QMenu* fileMenu, QWidget* window);

    /// Saves the form's input: the first time after asking for a name and
    /// a note, after that over the same chart while its name stays.
    void saveChart(QWidget* window);
    /// Lets the user pick a chart from the library and opens it.
    void openChart(QWidget* window);
    /// Opens the chart with this id.
    void openSaved(std::int64_t id, QWidget* window);
    /// Opens a Match window on the library's charts.
    void matchCharts(QWidget* window);

private:
    ChartLibrary* library(QWidget* window);
    void reportSetAside(QWidget* window);
    void fillRecent(QMenu* menu, QWidget* window);
    void show(const SavedChart& chart);
    std::string zoneId() const;

    Platform& platform_;
    BirthFormWindow& form_;
    std::filesystem::path file_;
    std::unique_ptr<ChartLibrary> library_;
    QString setAsideReport_;
    // The chart last saved or opened: Save writes over it.
    std::int64_t currentId_ = 0;
    std::string currentName_;
    std::string currentNote_;
};

}  // namespace zodiora
