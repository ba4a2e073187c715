#pragma once

#include <QCoreApplication>
#include <QRectF>
#include <QString>
#include <QStringList>

#include "presentation/ChartMatch.h"

class QPainter;

namespace zodiora {

/// One side of a match as the page and the window show it.
struct MatchPartner {
    QString name;
    QString birth;        ///< "1985-11-12 07:30:00, Delhi"
    QString moon;         ///< "Moon in Swati pada 4, Libra"
    QString calculation;  ///< the calculation line
};

/// The match on one page, beside the chart page: the boy's and the girl's
/// charts, the eight kootas with points and reasons, the total out of 36,
/// the cancellations with their books and both Kuja findings, the
/// calculation lines at the foot. Laid out in ChartPage's logical A4 box
/// and scaled to whatever box it is given.
class MatchPage {
    Q_DECLARE_TR_FUNCTIONS(MatchPage)
public:
    static void Paint(QPainter& painter, const QRectF& page, const MatchPartner& boy, const MatchPartner& girl,
                      const ChartMatch& match);

    /// The Kuja lines of one chart: the summary, then one line for each
    /// reference with a dosha naming its exceptions and their sources.
    static QStringList ManglikLines(const matching::ManglikFinding& finding);

    /// The cancellations, one line each with its source; "none" when there are none.
    static QStringList CancellationLines(const matching::KootaMatch& match);
};

}  // namespace zodiora
