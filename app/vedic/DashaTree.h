#pragma once

#include <QDate>
#include <QList>
#include <QWidget>
#include <unordered_map>

#include "app/vedic/VedicPage.h"
#include "vedic/DashaLevels.h"

class QDateEdit;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace zodiora {

/// The Vimshottari periods: the balance at birth and a date field above a
/// tree of the major periods with their dates, each opening to its
/// antardashas and, on demand, on down to the prana dashas (five levels).
/// The periods running on the chosen day (today unless another is chosen)
/// are highlighted at every level shown, listed under the date, and the
/// deepest one shown is scrolled into view.
class DashaTree : public QWidget, public VedicPage {
    Q_OBJECT
public:
    enum Column { Lord, Start, End, ColumnCount };

    explicit DashaTree(QWidget* parent = nullptr);

    QString title() const override { return tr("Dasha"); }
    /// The chart's periods, those running on the context's day marked.
    void showChart(const ChartResult& result, const VedicContext& context) override;
    QWidget* widget() override { return this; }

    /// The highlighted major and sub-period rows; null when none runs.
    QTreeWidgetItem* currentMajor() const { return running_.value(0, nullptr); }
    QTreeWidgetItem* currentSub() const { return running_.value(1, nullptr); }
    /// Every highlighted row, mahadasha first, as deep as the tree is open.
    const QList<QTreeWidgetItem*>& runningItems() const { return running_; }

    /// "Mahadasha" .. "Prana dasha" for levels 1..5, translated.
    static QString levelName(int level);
    /// Levels from here down carry the clock time of their boundaries.
    static constexpr int TimedLevel = 4;
    /// "YYYY-MM-DD", with " HH:MM" (whole minutes, cut) when `withTime`, on
    /// the clock `utcOffsetSeconds` ahead of UT.
    static QString momentText(double jd, int utcOffsetSeconds, bool withTime);

    /// The day whose periods are marked.
    QDate markedDay() const;

public slots:
    /// Marks the periods running on `day` (noon on the birth clock) and opens the tree to them.
    void markPeriodsOn(const QDate& day);
    /// Opens every running period down to `level` (1..5) and marks them.
    void openRunningTo(int level);

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void fillSubPeriods(QTreeWidgetItem* item);

private:
    QTreeWidgetItem* addPeriod(const vedic::DashaNode& node, QTreeWidgetItem* parent);
    void clearMarks();
    void mark(QTreeWidgetItem* item);
    QTreeWidgetItem* runningChild(QTreeWidgetItem* parent) const;
    void extendMarks();
    void describeRunning();

    QLabel* balanceLabel_;
    QDateEdit* dayField_;
    QLabel* runningLabel_;
    QTreeWidget* periods_;
    vedic::VimshottariDasha dasha_;
    double daysPerYear_ = vedic::DaysPerDashaYear;
    int utcOffsetSeconds_ = 0;
    double markedJd_ = 0;
    std::unordered_map<const QTreeWidgetItem*, vedic::DashaNode> nodes_;
    QList<QTreeWidgetItem*> running_;
};

}  // namespace zodiora
