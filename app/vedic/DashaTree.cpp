#include "app/vedic/DashaTree.h"

#include "app/Language.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

#include "app/QtText.h"
#include "presentation/VedicDetails.h"

namespace zodiora {

namespace {

QTreeWidgetItem* PeriodItem(const DashaSpan& span)
{
    return new QTreeWidgetItem(QStringList{ShownEnglishName(ToQString(span.lord)), ToQString(span.start), ToQString(span.end)});
}

}  // namespace

DashaTree::DashaTree(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("dashaTree"));
    balanceLabel_ = new QLabel(this);
    balanceLabel_->setObjectName(QStringLiteral("dashaBalanceLabel"));
    periods_ = new QTreeWidget(this);
    periods_->setObjectName(QStringLiteral("dashaPeriods"));
    periods_->setHeaderLabels({tr("Period"), tr("Start"), tr("End")});
    periods_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    periods_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(balanceLabel_);
    layout->addWidget(periods_, 1);
}

void DashaTree::showChart(const ChartResult&, const VedicContext& context)
{
    showDetails(context.details, context.today);
}

void DashaTree::showDetails(const VedicDetails& details, const QDate& today)
{
    // The balance in whole years, months of a twelfth of a year and days,
    // on the same year the periods are measured in.
    const double daysPerYear = details.daysPerYear;
    const int years = static_cast<int>(details.balanceYears);
    const double restDays = (details.balanceYears - years) * daysPerYear;
    const int months = static_cast<int>(restDays / (daysPerYear / 12));
    const int days = static_cast<int>(restDays - months * (daysPerYear / 12));
    balanceLabel_->setText(tr("Balance of the %1 period at birth: %2 years, %3 months, %4 days")
                               .arg(ShownEnglishName(ToQString(details.balanceLord))).arg(years).arg(months).arg(days));

    periods_->clear();
    currentMajor_ = currentSub_ = nullptr;
    // Noon of the day: a period changing that day counts from its start.
    const DashaIndex current = CurrentDasha(details, static_cast<double>(today.toJulianDay()));
    for (std::size_t m = 0; m < details.dasha.size(); ++m) {
        QTreeWidgetItem* major = PeriodItem(details.dasha[m].span);
        periods_->addTopLevelItem(major);
        for (std::size_t s = 0; s < details.dasha[m].sub.size(); ++s) {
            QTreeWidgetItem* sub = PeriodItem(details.dasha[m].sub[s]);
            major->addChild(sub);
            if (static_cast<int>(m) == current.major && static_cast<int>(s) == current.sub) {
                currentSub_ = sub;
            }
        }
        if (static_cast<int>(m) == current.major) {
            currentMajor_ = major;
        }
    }
    if (currentMajor_ != nullptr) {
        currentMajor_->setExpanded(true);
        highlight(currentMajor_);
    }
    if (currentSub_ != nullptr) {
        highlight(currentSub_);
        periods_->setCurrentItem(currentSub_);
    }
}

void DashaTree::highlight(QTreeWidgetItem* item)
{
    const QPalette colours = periods_->palette();
    QFont bold = periods_->font();
    bold.setBold(true);
    for (int column = 0; column < ColumnCount; ++column) {
        item->setBackground(column, colours.brush(QPalette::Highlight));
        item->setForeground(column, colours.brush(QPalette::HighlightedText));
        item->setFont(column, bold);
    }
}

// Scrolling needs the laid-out rows, which exist once the tree is shown.
void DashaTree::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (QTreeWidgetItem* target = currentSub_ != nullptr ? currentSub_ : currentMajor_) {
        periods_->scrollToItem(target, QAbstractItemView::PositionAtCenter);
    }
}

}  // namespace zodiora
