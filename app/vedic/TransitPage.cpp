#include "app/vedic/TransitPage.h"

#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Language.h"
#include "app/QtText.h"
#include "app/vedic/ChartStyleView.h"
#include "app/vedic/PointLabels.h"
#include "engine/PositionText.h"
#include "presentation/ChartSession.h"
#include "transits/RunningDasha.h"
#include "transits/Transits.h"
#include "vedic/LocalDate.h"
#include "vedic/Nakshatra.h"

namespace zodiora {

namespace {

double JulianDayOf(const QDateTime& moment) { return vedic::UnixEpochJd + moment.toSecsSinceEpoch() / 86400.0; }

QString ShownDateAt(double jd, int offsetSeconds)
{
    const vedic::CalendarDate date = vedic::LocalDate(jd, offsetSeconds);
    return ShownDate(QDate(date.year, date.month, date.day));
}

QString PhaseName(transits::SadeSatiPhase phase)
{
    switch (phase) {
    case transits::SadeSatiPhase::Rising: return TransitPage::tr("rising (12th from the Moon)");
    case transits::SadeSatiPhase::Peak: return TransitPage::tr("peak (the Moon's sign)");
    case transits::SadeSatiPhase::Setting: return TransitPage::tr("setting (2nd from the Moon)");
    }
    return {};
}

QTableWidget* Table(const QStringList& headers, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

void SetRow(QTableWidget* table, int row, const QStringList& cells)
{
    for (int column = 0; column < cells.size(); ++column) {
        table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

}  // namespace

TransitPage::TransitPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("transitPage"));
    momentField_ = new QDateTimeEdit(QDateTime::currentDateTime(), this);
    momentField_->setObjectName(QStringLiteral("transitMoment"));
    momentField_->setDisplayFormat(ShownDateFormat() + QStringLiteral(" HH:mm"));
    momentField_->setCalendarPopup(true);
    auto* caption = new QLabel(tr("&Moment (this computer's time):"), this);
    caption->setBuddy(momentField_);
    auto* now = new QPushButton(tr("&Now"), this);
    now->setObjectName(QStringLiteral("nowButton"));
    momentNote_ = new QLabel(this);
    momentNote_->setObjectName(QStringLiteral("transitNote"));
    momentNote_->setWordWrap(true);
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(momentField_);
    row->addWidget(now);
    row->addWidget(momentNote_, 1);

    chart_ = new ChartStyleView(this);
    chart_->setObjectName(QStringLiteral("transitChart"));
    auto* chartCaption = new QLabel(tr("Transiting points in the signs of the birth chart (the natal Lagna rising); "
                                       "(Mo) marks the natal Moon."),
                                    this);
    chartCaption->setWordWrap(true);

    table_ = Table({tr("Point"), tr("Position"), tr("R"), tr("Nakshatra"), tr("House from Lagna"),
                    tr("House from Moon")},
                   this);
    table_->setObjectName(QStringLiteral("transitTable"));
    dashaLabel_ = new QLabel(this);
    dashaLabel_->setObjectName(QStringLiteral("transitDasha"));
    dashaLabel_->setWordWrap(true);
    sadeSatiLabel_ = new QLabel(this);
    sadeSatiLabel_->setObjectName(QStringLiteral("sadeSatiLabel"));
    sadeSatiLabel_->setWordWrap(true);
    sadeSatiTable_ = Table({tr("From"), tr("To"), tr("Phase")}, this);
    sadeSatiTable_->setObjectName(QStringLiteral("sadeSatiTable"));

    auto* left = new QVBoxLayout;
    left->addWidget(chart_, 1);
    left->addWidget(chartCaption);
    auto* right = new QVBoxLayout;
    right->addWidget(table_, 3);
    right->addWidget(dashaLabel_);
    right->addWidget(sadeSatiLabel_);
    right->addWidget(sadeSatiTable_, 2);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addLayout(body, 1);

    connect(momentField_, &QDateTimeEdit::dateTimeChanged, this, &TransitPage::showMoment);
    connect(now, &QPushButton::clicked, this, &TransitPage::showNow);
}

void TransitPage::showChart(const ChartResult& result, const VedicContext&)
{
    natal_ = result.chart;
    offsetSeconds_ = UtcOffsetSeconds(result.birth);
    // The spans do not depend on the moment: worked out once per chart.
    spans_ = transits::SadeSatiOf(result.chart).value_or(std::vector<transits::SadeSatiSpan>{});
    fillSadeSati();
    showMoment();
}

void TransitPage::setChartStyle(ChartStyle style)
{
    chart_->setChartStyle(style);
}

QDateTime TransitPage::moment() const
{
    return momentField_->dateTime().toUTC();
}

void TransitPage::setMoment(const QDateTime& moment)
{
    momentField_->setDateTime(moment.toLocalTime());
}

void TransitPage::showNow()
{
    setMoment(QDateTime::currentDateTime());
    showMoment();
}

void TransitPage::fillSadeSati()
{
    sadeSatiTable_->setRowCount(static_cast<int>(spans_.size()));
    for (std::size_t k = 0; k < spans_.size(); ++k) {
        const transits::SadeSatiSpan& span = spans_[k];
        SetRow(sadeSatiTable_, static_cast<int>(k),
               {ShownDateAt(span.startJd, offsetSeconds_), ShownDateAt(span.endJd, offsetSeconds_), PhaseName(span.phase)});
    }
}

void TransitPage::showMoment()
{
    if (!natal_) return;
    const double jd = JulianDayOf(moment());
    const auto sky = transits::TransitsAt(*natal_, jd);
    momentNote_->setText(tr("Universal time %1").arg(ShownDate(moment().date()) + moment().toString(QStringLiteral(" HH:mm"))));
    if (!sky) {
        momentNote_->setText(natal_->settings.ephemeris == Ephemeris::Classic
                                 ? tr("The classic ephemeris covers 1901 to 2050: choose the precise ephemeris "
                                      "(Settings menu of the birth form) for this moment.")
                                 : tr("The precise ephemeris covers 3000 BC to AD 3000."));
        table_->setRowCount(0);
        chart_->setInput({});
        dashaLabel_->clear();
        return;
    }
    ChartStyleInput input;
    input.ascendantSign = transits::SignIndex(natal_->longitude(Body::Ascendant));
    input.risingLabel = ShortPointName(Body::Ascendant);
    input.title = tr("Transits");
    table_->setRowCount(PointCount);
    for (std::size_t k = 0; k < PointCount; ++k) {
        const double longitude = sky->sky.longitudes[k];
        const bool retrograde = k < WheelBodyCount && sky->retrograde[k];
        SetRow(table_, static_cast<int>(k),
               {ShownEnglishName(ToQString(BodyNames[k])), ShownPosition(ToQString(ShortPositionText(longitude))),
                retrograde ? tr("R") : QString(), ShownEnglishName(ToQString(vedic::NakshatraName(vedic::NakshatraOf(longitude).index))),
                QString::number(sky->houseFromLagna[k]), QString::number(sky->houseFromMoon[k])});
        if (k != IndexOf(Body::Ascendant)) {
            QString label = ShortPointName(static_cast<Body>(k));
            if (retrograde) label += QLatin1Char(' ') + RetrogradeMarkText();
            input.labels[static_cast<std::size_t>(sky->sign[k] - 1)] << label;
        }
    }
    input.labels[static_cast<std::size_t>(transits::SignIndex(natal_->longitude(Body::Moon)))]
        << QStringLiteral("(%1)").arg(ShortPointName(Body::Moon));
    chart_->setInput(input);

    const auto dasha = transits::RunningDashaAt(*natal_, jd);
    dashaLabel_->setText(dasha ? tr("Running dasha: %1 mahadasha (%2 to %3), %4 antardasha (%5 to %6)")
                                     .arg(ShownEnglishName(ToQString(vedic::DashaLordName(dasha->maha.lord))),
                                          ShownDateAt(dasha->maha.startJd, offsetSeconds_),
                                          ShownDateAt(dasha->maha.endJd, offsetSeconds_),
                                          ShownEnglishName(ToQString(vedic::DashaLordName(dasha->antar.lord))),
                                          ShownDateAt(dasha->antar.startJd, offsetSeconds_),
                                          ShownDateAt(dasha->antar.endJd, offsetSeconds_))
                               : tr("Running dasha: none at this moment (before birth or past the table)"));
    const auto running = transits::SpanAt(spans_, jd);
    sadeSatiLabel_->setText(running ? tr("Sade Sati is running at this moment: %1. Saturn's stays in the 12th, 1st and "
                                         "2nd signs from the natal Moon, birth to 100 years:")
                                          .arg(PhaseName(running->phase))
                                    : tr("Sade Sati is not running at this moment. Saturn's stays in the 12th, 1st "
                                         "and 2nd signs from the natal Moon, birth to 100 years:"));
}

}  // namespace zodiora
