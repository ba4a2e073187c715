#include "app/match/MatchPage.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "app/AppFont.h"
#include "app/ChartPage.h"
#include "app/QtText.h"
#include "app/match/MatchTexts.h"

namespace zodiora {

using namespace matching;

namespace {

// Layout in tenths of a millimetre on the logical A4 page, as ChartPage's.
constexpr double Margin = 150;
constexpr double Width = ChartPage::LogicalSize.width() - 2 * Margin;
constexpr double Middle = ChartPage::LogicalSize.width() / 2;
constexpr double KootaLeft = Margin;
constexpr double PointsLeft = Margin + 330;
constexpr double ReasonLeft = Margin + 560;
constexpr double Right = ChartPage::LogicalSize.width() - Margin;

QFont PageFont(int size, bool bold = false)
{
    QFont font(ProgramFontFamily());
    font.setPixelSize(size);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Draws wrapped text from (x, y) within `width`; answers the y below it.
double Paragraph(QPainter& painter, double x, double y, double width, const QString& text, const QFont& font)
{
    painter.setFont(font);
    const QRectF box(x, y, width, 2000);
    const QRectF used = painter.boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return y + std::max(used.height(), QFontMetricsF(font).height());
}

double Heading(QPainter& painter, double y, const QString& text)
{
    y = Paragraph(painter, Margin, y, Width, text, PageFont(42, true));
    painter.setPen(QPen(Qt::gray, 3));
    painter.drawLine(QPointF(Margin, y + 8), QPointF(Right, y + 8));
    painter.setPen(Qt::black);
    return y + 30;
}

double Partner(QPainter& painter, double x, double y, const QString& role, const MatchPartner& partner)
{
    const double width = Middle - Margin - 40;
    double bottom = Paragraph(painter, x, y, width, role, PageFont(32));
    bottom = Paragraph(painter, x, bottom, width, partner.name, PageFont(48, true));
    bottom = Paragraph(painter, x, bottom + 6, width, partner.birth, PageFont(34));
    return Paragraph(painter, x, bottom + 4, width, partner.moon, PageFont(34));
}

double Kootas(QPainter& painter, double y, const ChartMatch& match)
{
    const QFont head = PageFont(34, true);
    const QFont body = PageFont(34);
    Paragraph(painter, KootaLeft, y, 300, MatchPage::tr("Koota"), head);
    Paragraph(painter, PointsLeft, y, 200, MatchPage::tr("Points"), head);
    y = Paragraph(painter, ReasonLeft, y, Right - ReasonLeft, MatchPage::tr("Reason"), head) + 12;
    for (const KootaScore& score : match.kootas.scores) {
        Paragraph(painter, KootaLeft, y, 300, ShownKootaName(score.koota), body);
        Paragraph(painter, PointsLeft, y, 200,
                  MatchPage::tr("%1 of %2").arg(ToQString(PointsText(score.points))).arg(score.maximum), body);
        y = Paragraph(painter, ReasonLeft, y, Right - ReasonLeft,
                      ShownKootaReason(match.kootas, score.koota), PageFont(30)) + 14;
    }
    painter.setPen(QPen(Qt::gray, 3));
    painter.drawLine(QPointF(Margin, y), QPointF(Right, y));
    painter.setPen(Qt::black);
    y += 14;
    Paragraph(painter, KootaLeft, y, 300, MatchPage::tr("Total"), PageFont(40, true));
    return Paragraph(painter, PointsLeft, y, Right - PointsLeft,
                     MatchPage::tr("%1 of %2").arg(ToQString(PointsText(match.kootas.total()))).arg(GunaMaximum),
                     PageFont(40, true));
}

}  // namespace

QStringList MatchPage::ManglikLines(const ManglikFinding& finding)
{
    QStringList lines{ShownManglikSummary(finding)};
    for (const ManglikFromReference& one : finding.from) {
        if (!one.dosha) continue;
        QStringList exceptions;
        for (int k = 0; k < ManglikExceptionCount; ++k) {
            const auto exception = static_cast<ManglikException>(k);
            if (one.has(exception)) {
                exceptions << tr("%1 (%2)").arg(ShownManglikExceptionText(exception),
                                                ShownManglikExceptionSource(exception));
            }
        }
        const QString from = one.reference == ManglikReference::Lagna ? tr("from the Lagna")
                             : one.reference == ManglikReference::Moon  ? tr("from the Moon")
                                                                        : tr("from Venus");
        lines << tr("%1: %2").arg(from, exceptions.isEmpty() ? tr("no exception") : exceptions.join(QStringLiteral("; ")));
    }
    return lines;
}

QStringList MatchPage::CancellationLines(const KootaMatch& match)
{
    QStringList lines;
    for (const Cancellation cancellation : match.cancellations) {
        lines << tr("%1 (%2)").arg(ShownCancellationText(match, cancellation),
                                   ShownCancellationSource(cancellation));
    }
    if (lines.isEmpty()) {
        lines << tr("none");
    }
    return lines;
}

void MatchPage::Paint(QPainter& painter, const QRectF& page, const MatchPartner& boy, const MatchPartner& girl,
                      const ChartMatch& match)
{
    const QSizeF logical = ChartPage::LogicalSize;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(page, Qt::white);
    const double scale = std::min(page.width() / logical.width(), page.height() / logical.height());
    painter.translate(page.center().x() - logical.width() * scale / 2,
                      page.center().y() - logical.height() * scale / 2);
    painter.scale(scale, scale);
    painter.setPen(Qt::black);

    double y = Paragraph(painter, Margin, Margin, Width, tr("Guna Milan"), PageFont(80, true));
    painter.setPen(QPen(Qt::gray, 4));
    painter.drawLine(QPointF(Margin, y + 20), QPointF(Right, y + 20));
    painter.setPen(Qt::black);
    y += 60;
    y = std::max(Partner(painter, Margin, y, tr("Boy"), boy), Partner(painter, Middle + 20, y, tr("Girl"), girl));

    y = Heading(painter, y + 60, tr("The eight kootas"));
    y = Kootas(painter, y, match);

    y = Heading(painter, y + 60, tr("Cancellations (listed, not counted)"));
    for (const QString& line : CancellationLines(match.kootas)) y = Paragraph(painter, Margin, y, Width, line, PageFont(32)) + 6;

    y = Heading(painter, y + 60, tr("Kuja (Manglik) dosha"));
    for (const auto& [role, finding] : {std::pair{tr("Boy"), &match.boy}, std::pair{tr("Girl"), &match.girl}}) {
        const QStringList lines = ManglikLines(*finding);
        y = Paragraph(painter, Margin, y, Width, tr("%1: %2").arg(role, lines.front()), PageFont(34, true)) + 4;
        for (qsizetype k = 1; k < lines.size(); ++k) y = Paragraph(painter, Margin + 60, y, Width - 60, lines[k], PageFont(30)) + 4;
        y += 16;
    }
    if (match.bothManglik()) {
        y = Paragraph(painter, Margin, y, Width, tr("Both charts are Manglik: the doshas match each other."), PageFont(32));
    }

    // How each chart was calculated, small, in the bottom margin.
    painter.setPen(Qt::darkGray);
    const double foot = logical.height() - Margin - 60;
    Paragraph(painter, Margin, foot, Width, tr("Boy: %1").arg(boy.calculation), PageFont(22));
    Paragraph(painter, Margin, foot + 40, Width, tr("Girl: %1").arg(girl.calculation), PageFont(22));
    painter.restore();
}

}  // namespace zodiora
