#pragma once

#include <QWidget>
#include <optional>

#include "app/match/MatchPage.h"
#include "presentation/ChartMatch.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace zodiora {

class ChartLibrary;
class Platform;

/// "Match Charts": the boy's and the girl's chart chosen from the library,
/// each charted with its saved settings; the eight kootas with points and
/// reasons, the total out of 36, the cancellations and both Kuja findings,
/// and the same on a page to export (PDF, PNG, SVG) or print.
class MatchWindow : public QWidget {
    Q_OBJECT
public:
    MatchWindow(ChartLibrary& library, Platform& platform, QWidget* parent = nullptr);

    /// The match shown; nothing while two different charts are not chosen.
    const std::optional<ChartMatch>& match() const { return match_; }
    /// The two charts as the match shows them (valid with a match).
    const MatchPartner& boy() const { return boy_; }
    const MatchPartner& girl() const { return girl_; }

public slots:
    /// Lists the library's charts again in both choosers.
    void reloadCharts();
    /// Charts the two chosen charts and shows their match.
    void matchChosen();
    /// Asks for a file and writes the match page there.
    void exportPage();
    /// Shows the match page in a print preview.
    void printPage();

private:
    void showMatch();
    void clearMatch(const QString& reason);

    ChartLibrary& library_;
    Platform& platform_;
    QComboBox* boyChart_;
    QComboBox* girlChart_;
    QLabel* boyMoonLabel_;
    QLabel* girlMoonLabel_;
    QLabel* statusLabel_;
    QTreeWidget* kootaTable_;
    QLabel* totalLabel_;
    QLabel* cancellationsLabel_;
    QLabel* boyManglikLabel_;
    QLabel* girlManglikLabel_;
    QPushButton* exportButton_;
    QPushButton* printButton_;
    std::optional<ChartMatch> match_;
    MatchPartner boy_;
    MatchPartner girl_;
};

}  // namespace zodiora
