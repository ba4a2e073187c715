#include "app/vedic/DashaTree.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "app/Language.h"
#include "app/QtText.h"
#include "engine/Engine.h"
#include "presentation/ChartSession.h"
#include "presentation/VedicDetails.h"
#include "vedic/LocalDate.h"

namespace zodiora {

namespace {

vedic::CalendarDate CalendarOf(const QDate& day)
{
    return {day.year(), day.month(), day.day()};
}

}  // namespace

QString DashaTree::momentText(double jd, int utcOffsetSeconds, bool withTime)
{
    const vedic::CalendarDate date = vedic::LocalDate(jd, utcOffsetSeconds);
    QString text = ShownDate(QDate(date.year, date.month, date.day));
    if (withTime) {
        const double sinceMidnight = (jd - vedic::LocalMidnightJd(date, utcOffsetSeconds)) * 1440.0;
        const int minutes = std::clamp(static_cast<int>(sinceMidnight + 1e-6), 0, 1439);
        text += QStringLiteral(" %1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
    }
    return text;
}


DashaTree::DashaTree(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("dashaTree"));
    balanceLabel_ = new QLabel(this);
    balanceLabel_->setObjectName(QStringLiteral("dashaBalanceLabel"));

    dayField_ = new QDateEdit(this);
    dayField_->setObjectName(QStringLiteral("dashaDayField"));
    dayField_->setDisplayFormat(ShownDateFormat());
    dayField_->setCalendarPopup(true);
    dayField_->setDateRange(QDate(1800, 1, 1), QDate(2300, 12, 31));
    auto* dayCaption = new QLabel(tr("Periods running &on:"), this);
    dayCaption->setBuddy(dayField_);
    auto* todayButton = new QPushButton(tr("&Today"), this);
    todayButton->setObjectName(QStringLiteral("dashaTodayButton"));
    auto* deepenButton = new QPushButton(tr("Open to &prana"), this);
    deepenButton->setObjectName(QStringLiteral("dashaOpenButton"));
    deepenButton->setToolTip(tr("Open the running periods down to the fifth level (prana dasha)"));
    runningLabel_ = new QLabel(this);
    runningLabel_->setObjectName(QStringLiteral("dashaRunningLabel"));
    runningLabel_->setWordWrap(true);

    periods_ = new QTreeWidget(this);
    periods_->setObjectName(QStringLiteral("dashaPeriods"));
    periods_->setHeaderLabels({tr("Period"), tr("Start"), tr("End")});
    periods_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    periods_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* dayRow = new QHBoxLayout;
    dayRow->addWidget(dayCaption);
    dayRow->addWidget(dayField_);
    dayRow->addWidget(todayButton);
    dayRow->addWidget(deepenButton);
    dayRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(balanceLabel_);
    layout->addLayout(dayRow);
    layout->addWidget(runningLabel_);
    layout->addWidget(periods_, 1);

    connect(dayField_, &QDateEdit::dateChanged, this, &DashaTree::markPeriodsOn);
    connect(todayButton, &QPushButton::clicked, this, [this] { dayField_->setDate(QDate::currentDate()); });
    connect(deepenButton, &QPushButton::clicked, this, [this] { openRunningTo(vedic::DashaLevelCount); });
    connect(periods_, &QTreeWidget::itemExpanded, this, &DashaTree::fillSubPeriods);
}

void DashaTree::showChart(const ChartResult& result, const VedicContext& context)
{
    const VedicDetails& details = context.details;
    // The balance in whole years, months of a twelfth of a year and days,
    // on the same year the periods are measured in.
    daysPerYear_ = details.daysPerYear;
    const int years = static_cast<int>(details.balanceYears);
    const double restDays = (details.balanceYears - years) * daysPerYear_;
    const int months = static_cast<int>(restDays / (daysPerYear_ / 12));
    const int days = static_cast<int>(restDays - months * (daysPerYear_ / 12));
    balanceLabel_->setText(tr("Balance of the %1 period at birth: %2 years, %3 months, %4 days")
                               .arg(ShownEnglishName(ToQString(details.balanceLord))).arg(years).arg(months).arg(days));

    utcOffsetSeconds_ = UtcOffsetSeconds(result.birth);
    dasha_ = vedic::Vimshottari(result.chart.longitude(Body::Moon), JulianDayUt(result.chart.moment), daysPerYear_);
    running_.clear();
    nodes_.clear();
    periods_->clear();
    for (const vedic::DashaNode& major : vedic::DashaTree(dasha_, 2, daysPerYear_)) {
        QTreeWidgetItem* item = addPeriod(major, nullptr);
        for (const vedic::DashaNode& sub : major.sub) addPeriod(sub, item);
    }
    {
        const QSignalBlocker quiet(dayField_);
        dayField_->setDate(context.today);
    }
    markPeriodsOn(context.today);
}

QString DashaTree::levelName(int level)
{
    switch (level) {
    case 1: return tr("Mahadasha");
    case 2: return tr("Antardasha");
    case 3: return tr("Pratyantardasha");
    case 4: return tr("Sookshma dasha");
    default: return tr("Prana dasha");
    }
}

QDate DashaTree::markedDay() const
{
    return dayField_->date();
}

QTreeWidgetItem* DashaTree::addPeriod(const vedic::DashaNode& node, QTreeWidgetItem* parent)
{
    const bool timed = node.level >= TimedLevel;  // sookshma and prana last days or hours
    auto* item = new QTreeWidgetItem(QStringList{ShownEnglishName(ToQString(vedic::DashaLordName(node.lord))),
                                                 momentText(node.startJd, utcOffsetSeconds_, timed),
                                                 momentText(node.endJd, utcOffsetSeconds_, timed)});
    item->setToolTip(Lord, levelName(node.level));
    // Below the antardashas the periods are made when their parent opens.
    if (node.level >= 2 && node.level < vedic::DashaLevelCount) {
        item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    vedic::DashaNode kept = node;
    kept.sub.clear();
    nodes_.emplace(item, std::move(kept));
    if (parent != nullptr) {
        parent->addChild(item);
    } else {
        periods_->addTopLevelItem(item);
    }
    return item;
}

void DashaTree::fillSubPeriods(QTreeWidgetItem* item)
{
    const auto found = nodes_.find(item);
    if (found == nodes_.end() || found->second.level < 2 || item->childCount() > 0) {
        return;
    }
    for (const vedic::DashaNode& sub : vedic::SubPeriodsOf(found->second)) addPeriod(sub, item);
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    extendMarks();
}

void DashaTree::markPeriodsOn(const QDate& day)
{
    clearMarks();
    markedJd_ = vedic::LocalNoonJd(CalendarOf(day), utcOffsetSeconds_);
    for (int k = 0; k < periods_->topLevelItemCount(); ++k) {
        QTreeWidgetItem* major = periods_->topLevelItem(k);
        const vedic::DashaNode& node = nodes_.at(major);
        if (node.startJd <= markedJd_ && markedJd_ < node.endJd) {
            mark(major);
            major->setExpanded(true);
            break;
        }
    }
    extendMarks();
    describeRunning();
    if (!running_.isEmpty()) {
        periods_->setCurrentItem(running_.constLast());
        periods_->scrollToItem(running_.constLast(), QAbstractItemView::PositionAtCenter);
    }
}

void DashaTree::openRunningTo(int level)
{
    while (!running_.isEmpty() && running_.size() < level) {
        QTreeWidgetItem* deepest = running_.constLast();
        const int before = int(running_.size());
        deepest->setExpanded(true);  // fills and marks the next level
        if (running_.size() == before) {
            break;
        }
    }
    if (!running_.isEmpty()) {
        periods_->setCurrentItem(running_.constLast());
        periods_->scrollToItem(running_.constLast(), QAbstractItemView::PositionAtCenter);
    }
}

// Each marked period's running child, as far down as the tree is filled.
void DashaTree::extendMarks()
{
    while (!running_.isEmpty()) {
        QTreeWidgetItem* child = runningChild(running_.constLast());
        if (child == nullptr) {
            return;
        }
        mark(child);
    }
}

QTreeWidgetItem* DashaTree::runningChild(QTreeWidgetItem* parent) const
{
    for (int k = 0; k < parent->childCount(); ++k) {
        QTreeWidgetItem* child = parent->child(k);
        const vedic::DashaNode& node = nodes_.at(child);
        if (node.startJd <= markedJd_ && markedJd_ < node.endJd) {
            return child;
        }
    }
    return nullptr;
}

void DashaTree::clearMarks()
{
    for (QTreeWidgetItem* item : std::as_const(running_)) {
        for (int column = 0; column < ColumnCount; ++column) {
            item->setBackground(column, QBrush());
            item->setForeground(column, QBrush());
            item->setFont(column, periods_->font());
        }
    }
    running_.clear();
}

void DashaTree::mark(QTreeWidgetItem* item)
{
    const QPalette colours = periods_->palette();
    QFont bold = periods_->font();
    bold.setBold(true);
    for (int column = 0; column < ColumnCount; ++column) {
        item->setBackground(column, colours.brush(QPalette::Highlight));
        item->setForeground(column, colours.brush(QPalette::HighlightedText));
        item->setFont(column, bold);
    }
    running_.append(item);
}

// All five levels from the kernel, whether or not the tree is open that far.
void DashaTree::describeRunning()
{
    const std::vector<vedic::DashaNode> running =
        vedic::DashaPeriodsAt(dasha_, markedJd_, vedic::DashaLevelCount, daysPerYear_);
    if (running.empty()) {
        runningLabel_->setText(tr("No period runs on that day: it lies before birth or past the periods listed."));
        return;
    }
    QStringList lords;
    for (const vedic::DashaNode& node : running) lords << ShownEnglishName(ToQString(vedic::DashaLordName(node.lord)));
    const vedic::DashaNode& prana = running.back();
    runningLabel_->setText(tr("Running: %1 (mahadasha to prana dasha; the prana runs %2 to %3)")
                               .arg(lords.join(QStringLiteral(" \u2013 ")),
                                    momentText(prana.startJd, utcOffsetSeconds_, true),
                                    momentText(prana.endJd, utcOffsetSeconds_, true)));
}

// Scrolling needs the laid-out rows, which exist once the tree is shown.
void DashaTree::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!running_.isEmpty()) {
        periods_->scrollToItem(running_.constLast(), QAbstractItemView::PositionAtCenter);
    }
}

}  // namespace zodiora
