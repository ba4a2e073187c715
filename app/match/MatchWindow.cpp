#include "app/match/MatchWindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "chartlibrary/ChartLibrary.h"
#include "engine/SignNames.h"
#include "presentation/CalculationLine.h"
#include "presentation/ChartSession.h"
#include "vedic/Nakshatra.h"

#include "app/CalculationText.h"
#include "app/Language.h"
#include "app/PageOutput.h"
#include "app/QtText.h"
#include "app/match/MatchTexts.h"
#include "app/platform/Platform.h"
#include "app/vedic/VedicSettings.h"

namespace zodiora {

namespace {

enum Column { KootaColumn, PointsColumn, ReasonColumn };
constexpr int IdRole = Qt::UserRole;

// A saved chart charted with its own settings (the preferences fill in
// what an older chart's text leaves out), and how the match shows it.
Chart ChartSaved(const SavedChart& saved, MatchPartner& partner)
{
    ChartSession session;
    session.setSettings(ParseSettingsText(saved.settings, VedicSettings::calculationSettings()));
    const ChartResult result = session.run(saved.form, ChartSession::ReportMode::Skip);
    const BirthFormInput& form = saved.form;
    QStringList place;
    for (const std::string* part : {&form.city, &form.state, &form.country}) {
        if (!part->empty()) place << ToQString(*part);
    }
    partner.name = ToQString(form.name);
    partner.birth = QStringLiteral("%1-%2-%3 %4:%5:%6")
                        .arg(form.year, 4, 10, QLatin1Char('0'))
                        .arg(form.monthIndex + 1, 2, 10, QLatin1Char('0'))
                        .arg(form.day, 2, 10, QLatin1Char('0'))
                        .arg(form.hour, 2, 10, QLatin1Char('0'))
                        .arg(form.minute, 2, 10, QLatin1Char('0'))
                        .arg(form.second, 2, 10, QLatin1Char('0'));
    if (!place.isEmpty()) partner.birth += QStringLiteral(", ") + place.join(QStringLiteral(", "));
    const matching::MoonProfile moon = matching::MoonProfileOf(result.chart.longitude(Body::Moon));
    partner.moon = MatchWindow::tr("Moon in %1 pada %2, %3")
                       .arg(ShownName(vocabulary::Kind::Nakshatra, moon.nakshatra))
                       .arg(moon.pada)
                       .arg(ShownName(vocabulary::Kind::Sign, moon.sign));
    const ClockReading clock =
        saved.form.localMeanTime ? MeanTimeClockOf(result.birth) : ClockOf(result.birth, saved.zoneId);
    partner.calculation = ShownCalculationLine(result.chart, clock);
    return result.chart;
}

QComboBox* Chooser(QWidget* parent, const QString& name)
{
    auto* chooser = new QComboBox(parent);
    chooser->setObjectName(name);
    chooser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    chooser->setMinimumContentsLength(24);
    return chooser;
}

QLabel* WrappedLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

MatchWindow::MatchWindow(ChartLibrary& library, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window), library_(library), platform_(platform)
{
    setObjectName(QStringLiteral("matchWindow"));
    setWindowTitle(tr("Match Charts"));

    boyChart_ = Chooser(this, QStringLiteral("boyChart"));
    girlChart_ = Chooser(this, QStringLiteral("girlChart"));
    boyMoonLabel_ = WrappedLabel(this, QStringLiteral("boyMoonLabel"));
    girlMoonLabel_ = WrappedLabel(this, QStringLiteral("girlMoonLabel"));
    auto* choose = new QFormLayout;
    choose->addRow(tr("&Boy's chart:"), boyChart_);
    choose->addRow(QString(), boyMoonLabel_);
    choose->addRow(tr("&Girl's chart:"), girlChart_);
    choose->addRow(QString(), girlMoonLabel_);

    statusLabel_ = WrappedLabel(this, QStringLiteral("statusLabel"));
    kootaTable_ = new QTreeWidget(this);
    kootaTable_->setObjectName(QStringLiteral("kootaTable"));
    kootaTable_->setHeaderLabels({tr("Koota"), tr("Points"), tr("Reason")});
    kootaTable_->setRootIsDecorated(false);
    kootaTable_->setWordWrap(true);
    kootaTable_->setSelectionMode(QAbstractItemView::NoSelection);
    kootaTable_->header()->setStretchLastSection(true);
    kootaTable_->header()->setSectionResizeMode(KootaColumn, QHeaderView::ResizeToContents);
    kootaTable_->header()->setSectionResizeMode(PointsColumn, QHeaderView::ResizeToContents);
    totalLabel_ = new QLabel(this);
    totalLabel_->setObjectName(QStringLiteral("totalLabel"));
    QFont bold = totalLabel_->font();
    bold.setBold(true);
    totalLabel_->setFont(bold);

    cancellationsLabel_ = WrappedLabel(this, QStringLiteral("cancellationsLabel"));
    auto* cancellations = new QGroupBox(tr("Cancellations (listed, not counted)"), this);
    (new QVBoxLayout(cancellations))->addWidget(cancellationsLabel_);
    boyManglikLabel_ = WrappedLabel(this, QStringLiteral("boyManglikLabel"));
    girlManglikLabel_ = WrappedLabel(this, QStringLiteral("girlManglikLabel"));
    auto* manglik = new QGroupBox(tr("Kuja (Manglik) dosha"), this);
    auto* manglikLayout = new QFormLayout(manglik);
    manglikLayout->addRow(tr("Boy:"), boyManglikLabel_);
    manglikLayout->addRow(tr("Girl:"), girlManglikLabel_);

    exportButton_ = new QPushButton(tr("&Export…"), this);
    exportButton_->setObjectName(QStringLiteral("exportButton"));
    printButton_ = new QPushButton(tr("&Print…"), this);
    printButton_->setObjectName(QStringLiteral("printButton"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(exportButton_, QDialogButtonBox::ActionRole);
    buttons->addButton(printButton_, QDialogButtonBox::ActionRole);

    connect(boyChart_, &QComboBox::currentIndexChanged, this, &MatchWindow::matchChosen);
    connect(girlChart_, &QComboBox::currentIndexChanged, this, &MatchWindow::matchChosen);
    connect(exportButton_, &QPushButton::clicked, this, &MatchWindow::exportPage);
    connect(printButton_, &QPushButton::clicked, this, &MatchWindow::printPage);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choose);
    layout->addWidget(statusLabel_);
    layout->addWidget(kootaTable_, 1);
    layout->addWidget(totalLabel_);
    layout->addWidget(cancellations);
    layout->addWidget(manglik);
    layout->addWidget(buttons);
    resize(900, 680);

    reloadCharts();
}

void MatchWindow::reloadCharts()
{
    const auto charts = library_.list();
    const QSignalBlocker blockBoy(boyChart_);
    const QSignalBlocker blockGirl(girlChart_);
    boyChart_->clear();
    girlChart_->clear();
    if (!charts) {
        platform_.showMessage(this, ToQString(charts.error()), Platform::Icon::Error);
    } else {
        for (const ChartSummary& chart : *charts) {
            // The library's "1980-06-15 06:30", the date as the windows write dates.
            const QString stamp = ToQString(chart.date);
            const QDate day = QDate::fromString(stamp.left(10), Qt::ISODate);
            const QString when = day.isValid() ? ShownDate(day) + stamp.mid(10) : stamp;
            const QString caption = tr("%1  (%2)").arg(ToQString(chart.name), when);
            boyChart_->addItem(caption, QVariant::fromValue<qint64>(chart.id));
            girlChart_->addItem(caption, QVariant::fromValue<qint64>(chart.id));
        }
    }
    if (girlChart_->count() > 1) girlChart_->setCurrentIndex(1);
    matchChosen();
}

void MatchWindow::matchChosen()
{
    if (boyChart_->count() < 2) {
        clearMatch(tr("The library needs at least two saved charts to match (File ▸ Save Chart)."));
        return;
    }
    const qint64 boyId = boyChart_->currentData(IdRole).value<qint64>();
    const qint64 girlId = girlChart_->currentData(IdRole).value<qint64>();
    if (boyId == girlId) {
        clearMatch(tr("Choose two different charts."));
        return;
    }
    const auto boy = library_.get(boyId);
    const auto girl = library_.get(girlId);
    if (!boy || !girl) {
        clearMatch(ToQString(!boy ? boy.error() : girl.error()));
        return;
    }
    const Chart boyChart = ChartSaved(*boy, boy_);
    const Chart girlChart = ChartSaved(*girl, girl_);
    match_ = MatchCharts(boyChart, girlChart);
    showMatch();
}

void MatchWindow::showMatch()
{
    const ChartMatch& match = *match_;
    statusLabel_->clear();
    statusLabel_->hide();
    boyMoonLabel_->setText(boy_.moon);
    girlMoonLabel_->setText(girl_.moon);
    kootaTable_->clear();
    for (const matching::KootaScore& score : match.kootas.scores) {
        auto* row = new QTreeWidgetItem(kootaTable_);
        row->setText(KootaColumn, ShownKootaName(score.koota));
        row->setText(PointsColumn, tr("%1 of %2").arg(ToQString(PointsText(score.points))).arg(score.maximum));
        row->setTextAlignment(PointsColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setText(ReasonColumn, ShownKootaReason(match.kootas, score.koota));
        row->setToolTip(ReasonColumn, row->text(ReasonColumn));
    }
    totalLabel_->setText(
        tr("Total: %1 of %2").arg(ToQString(PointsText(match.kootas.total()))).arg(matching::GunaMaximum));
    cancellationsLabel_->setText(MatchPage::CancellationLines(match.kootas).join(QLatin1Char('\n')));
    boyManglikLabel_->setText(MatchPage::ManglikLines(match.boy).join(QLatin1Char('\n')));
    QString girlLines = MatchPage::ManglikLines(match.girl).join(QLatin1Char('\n'));
    if (match.bothManglik()) girlLines += QLatin1Char('\n') + tr("Both charts are Manglik: the doshas match each other.");
    girlManglikLabel_->setText(girlLines);
    exportButton_->setEnabled(true);
    printButton_->setEnabled(true);
}

void MatchWindow::clearMatch(const QString& reason)
{
    match_.reset();
    statusLabel_->setText(reason);
    statusLabel_->show();
    for (QLabel* label : {boyMoonLabel_, girlMoonLabel_, totalLabel_, cancellationsLabel_, boyManglikLabel_,
                          girlManglikLabel_}) {
        label->clear();
    }
    kootaTable_->clear();
    exportButton_->setEnabled(false);
    printButton_->setEnabled(false);
}

void MatchWindow::exportPage()
{
    if (!match_) return;
    const QString path = platform_.getSaveFileName(
        this, tr("Export Match"), tr("PDF document (*.pdf);;PNG image (*.png);;SVG drawing (*.svg)"),
        QStringLiteral("pdf"));
    if (path.isEmpty()) return;
    const ChartMatch match = *match_;
    const MatchPartner boy = boy_;
    const MatchPartner girl = girl_;
    const QString problem =
        PageOutput::Export(path, tr("Match of %1 and %2").arg(boy.name, girl.name),
                           [&](QPainter& painter, const QRectF& page) { MatchPage::Paint(painter, page, boy, girl, match); });
    if (!problem.isEmpty()) platform_.showMessage(this, problem, Platform::Icon::Error);
}

void MatchWindow::printPage()
{
    if (!match_) return;
    PageOutput::Preview(this, QStringLiteral("matchPrintPreview"),
                        [match = *match_, boy = boy_, girl = girl_](QPainter& painter, const QRectF& page) {
                            MatchPage::Paint(painter, page, boy, girl, match);
                        });
}

}  // namespace zodiora
