#pragma once

#include <QDate>
#include <QWidget>

#include "app/vedic/VedicPage.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace zodiora {

/// The Vimshottari periods: the balance at birth above a tree of the major
/// periods with their dates, each opening to its sub-periods. The period
/// running on the day it is given is highlighted and scrolled into view.
class DashaTree : public QWidget, public VedicPage {
    Q_OBJECT
public:
    enum Column { Lord, Start, End, ColumnCount };

    explicit DashaTree(QWidget* parent = nullptr);

    QString title() const override { return tr("Dasha"); }
    /// The chart's periods, those running on the context's day marked.
    void showChart(const ChartResult& result, const VedicContext& context) override;
    QWidget* widget() override { return this; }

    /// Shows `details`' periods, marking those running on `today` (a date
    /// on the birth place's calendar; no mark when outside the 120 years).
    void showDetails(const VedicDetails& details, const QDate& today);

    /// The highlighted major and sub-period rows; null when none runs.
    QTreeWidgetItem* currentMajor() const { return currentMajor_; }
    QTreeWidgetItem* currentSub() const { return currentSub_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void highlight(QTreeWidgetItem* item);

    QLabel* balanceLabel_;
    QTreeWidget* periods_;
    QTreeWidgetItem* currentMajor_ = nullptr;
    QTreeWidgetItem* currentSub_ = nullptr;
};

}  // namespace zodiora
