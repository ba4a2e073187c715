#pragma once

#include <QDate>
#include <QWidget>

class QTabBar;

namespace zodiora {

struct ChartResult;
class PanchangBox;
class VedicPanel;

/// The results window's pages: the results form first, as the window opens,
/// with the panchang at birth under it (the Summary), then the Vedic pages. Their tabs sit at the right end of the window's
/// title strip, so the form keeps all of its room and its look.
class ResultsTabs : public QWidget {
    Q_OBJECT
public:
    /// `form` becomes the first page.
    explicit ResultsTabs(QWidget* form, QWidget* parent = nullptr);

    /// Puts the tab bar over the right end of `strip`, kept there as it resizes.
    void placeTabsOn(QWidget* strip);

    void showChart(const ChartResult& result, const QDate& today);

    QTabBar* tabBar() const { return tabBar_; }
    VedicPanel* vedicPanel() const { return vedic_; }
    PanchangBox* panchangBox() const { return panchang_; }
    /// The page on show: the results form or the Vedic panel.
    QWidget* currentPage() const;

public slots:
    /// Shows the page of tab `index`: 0 the results form, then the Vedic pages.
    void showPage(int index);
    /// The next page (Ctrl+Tab, Ctrl+PgDn), after the last the first.
    void showNextPage();
    /// The previous page (Ctrl+Shift+Tab, Ctrl+PgUp), before the first the last.
    void showPreviousPage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeTabBar();

    QWidget* form_;
    PanchangBox* panchang_;
    QTabBar* tabBar_;
    VedicPanel* vedic_;
    QWidget* strip_ = nullptr;
};

}  // namespace zodiora
