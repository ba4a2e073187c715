#include "app/vedic/ResultsTabs.h"

#include <QEvent>
#include <QShortcut>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Colours.h"
#include "app/vedic/PanchangBox.h"
#include "app/vedic/VedicPanel.h"

namespace zodiora {

namespace {

/// Pixels between the tab bar and the strip's right edge.
constexpr int RightGap = 8;

}  // namespace

// The pages share one column and only one is visible, so the form has the
// whole room as before. Unlike a stacked widget, switching pages never
// reorders the children: a search of the window meets the form's widgets first.
ResultsTabs::ResultsTabs(QWidget* form, QWidget* parent) : QWidget(parent), form_(form)
{
    setObjectName(QStringLiteral("resultsTabs"));
    vedic_ = new VedicPanel;
    vedic_->hide();
    panchang_ = new PanchangBox;
    panchang_->setAutoFillBackground(true);
    SetColours(panchang_, Cream, Qt::black);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(form_, 1);
    column->addWidget(panchang_);
    column->addWidget(vedic_, 1);

    tabBar_ = new QTabBar;
    tabBar_->setObjectName(QStringLiteral("resultsTabBar"));
    tabBar_->setDrawBase(false);
    tabBar_->setExpanding(false);
    tabBar_->setUsesScrollButtons(true);
    // The arrow keys scroll the tabs: the arrow buttons are for the mouse, and
    // would be stops of the Tab key left behind where the bar was made.
    for (QToolButton* arrow : tabBar_->findChildren<QToolButton*>()) {
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    // The title strip writes in red; the tabs keep ordinary black captions.
    QPalette captions = tabBar_->palette();
    captions.setColor(QPalette::WindowText, Qt::black);
    captions.setColor(QPalette::ButtonText, Qt::black);
    tabBar_->setPalette(captions);
    tabBar_->addTab(tr("Summary"));
    for (const QString& title : vedic_->pageTitles()) {
        tabBar_->addTab(title);
    }
    connect(tabBar_, &QTabBar::currentChanged, this, &ResultsTabs::showPage);

    // The keys that switch tabs elsewhere on the desktop, from anywhere in the window.
    const auto addKeys = [this](std::initializer_list<QKeySequence> keys, void (ResultsTabs::*move)()) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, this);
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, this, move);
        }
    };
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
            &ResultsTabs::showNextPage);
    addKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
             QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
            &ResultsTabs::showPreviousPage);
}

void ResultsTabs::showNextPage()
{
    tabBar_->setCurrentIndex((tabBar_->currentIndex() + 1) % tabBar_->count());
}

void ResultsTabs::showPreviousPage()
{
    tabBar_->setCurrentIndex((tabBar_->currentIndex() + tabBar_->count() - 1) % tabBar_->count());
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
    return QWidget::eventFilter(watched, event);
}

void ResultsTabs::showChart(const ChartResult& result, const QDate& today)
{
    panchang_->showChart(result);
    vedic_->showChart(result, today);
}

QWidget* ResultsTabs::currentPage() const
{
    return vedic_->isHidden() ? form_ : vedic_;
}

void ResultsTabs::showPage(int index)
{
    if (index > 0) {
        vedic_->setPage(index - 1);
    }
    form_->setVisible(index <= 0);
    panchang_->setVisible(index <= 0);
    vedic_->setVisible(index > 0);
}

}  // namespace zodiora
