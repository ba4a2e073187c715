#include "app/vedic/ResultsTabs.h"

#include <QEvent>
#include <QTabBar>
#include <algorithm>

#include "app/vedic/VedicPanel.h"

namespace zodiora {

namespace {

/// Pixels between the tab bar and the strip's right edge.
constexpr int RightGap = 8;

}  // namespace

ResultsTabs::ResultsTabs(QWidget* form, QWidget* parent) : QStackedWidget(parent)
{
    setObjectName(QStringLiteral("resultsTabs"));
    vedic_ = new VedicPanel(this);
    addWidget(form);
    addWidget(vedic_);

    tabBar_ = new QTabBar;
    tabBar_->setObjectName(QStringLiteral("resultsTabBar"));
    tabBar_->setDrawBase(false);
    tabBar_->setExpanding(false);
    tabBar_->setUsesScrollButtons(true);
    // The title strip writes in red; the tabs keep ordinary black captions.
    QPalette captions = tabBar_->palette();
    captions.setColor(QPalette::WindowText, Qt::black);
    captions.setColor(QPalette::ButtonText, Qt::black);
    tabBar_->setPalette(captions);
    tabBar_->addTab(tr("Summary"));
    for (const QString& title : VedicPanel::pageTitles()) {
        tabBar_->addTab(title);
    }
    connect(tabBar_, &QTabBar::currentChanged, this, &ResultsTabs::showPage);
}

void ResultsTabs::placeTabsOn(QWidget* strip)
{
    strip_ = strip;
    tabBar_->setParent(strip);
    strip->installEventFilter(this);
    placeTabBar();
    tabBar_->show();
}

// The tabs take the room right of the strip's own widgets (the title);
// where that is short, the tab bar scrolls rather than covering the title.
void ResultsTabs::placeTabBar()
{
    int taken = 0;
    for (const QWidget* child : strip_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != tabBar_ && !child->isHidden()) {
            taken = std::max(taken, child->geometry().right() + 1);
        }
    }
    const int room = std::max(0, strip_->width() - taken - 2 * RightGap);
    const QSize size = tabBar_->sizeHint().boundedTo(QSize(room, strip_->height()));
    tabBar_->setGeometry(strip_->width() - size.width() - RightGap, strip_->height() - size.height(), size.width(),
                         size.height());
}

bool ResultsTabs::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == strip_ && event->type() == QEvent::Resize) {
        placeTabBar();
    }
    return QStackedWidget::eventFilter(watched, event);
}

void ResultsTabs::showChart(const ChartResult& result, const QDate& today)
{
    vedic_->showChart(result, today);
}

void ResultsTabs::showPage(int index)
{
    if (index <= 0) {
        setCurrentIndex(0);
        return;
    }
    vedic_->setPage(static_cast<VedicPanel::Page>(index - 1));
    setCurrentIndex(1);
}

}  // namespace zodiora
