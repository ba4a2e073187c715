#include "app/vedic/PanchangBox.h"

#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QTimeZone>

#include "app/Language.h"
#include "app/QtText.h"
#include "engine/Engine.h"
#include "panchang/Panchang.h"
#include "panchang/PanchangLimbs.h"
#include "presentation/ChartSession.h"
#include "vedic/LocalDate.h"
#include "vedic/Nakshatra.h"

namespace zodiora {

namespace {

/// A moment on the birth's clock, to the second.
QString ClockText(double jdUt, int offsetSeconds)
{
    const auto seconds = static_cast<qint64>(std::llround((jdUt - vedic::UnixEpochJd) * 86400.0));
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(seconds, QTimeZone(offsetSeconds));
    return ShownDate(moment.date()) + moment.toString(QStringLiteral(" HH:mm:ss"));
}

/// A limb's name: the panchang's own in English, the vocabulary's entry `index` of `kind` in another language.
QString LimbName(vocabulary::Kind kind, int index, std::string_view english)
{
    if (WindowNameStyle().language == vocabulary::Language::English) return ToQString(english);
    return ShownName(kind, index);
}

/// The vocabulary's karana entry of karana 1..60: the seven movable ones
/// (2..57) first, then Shakuni, Chatushpada, Naga (58..60), Kimstughna (1).
int KaranaEntry(int karana)
{
    if (karana == 1) return 10;
    if (karana >= 58) return karana - 51;
    return (karana - 2) % 7;
}

/// The weekday 1..7 (Sunday = 1): its English name, else the chosen locale's ("रविवार").
QString VaraText(int vara)
{
    if (WindowNameStyle().language == vocabulary::Language::English) return ToQString(panchang::VaraName(vara));
    return QLocale().standaloneDayName(vara == 1 ? 7 : vara - 1);
}

}  // namespace

PanchangBox::PanchangBox(QWidget* parent) : QGroupBox(tr("Panchang at birth"), parent)
{
    setObjectName(QStringLiteral("panchangBox"));
    auto* grid = new QGridLayout(this);
    const QStringList captions{tr("Tithi"), tr("Vara"),    tr("Nakshatra"), tr("Yoga"),
                               tr("Karana"), tr("Sunrise"), tr("Sunset")};
    // The limbs down the left, the day (vara, sunrise, sunset) down the
    // right, so the box stays short under the results form.
    constexpr std::array<std::pair<int, int>, 7> Cells{
        {{0, 0}, {0, 2}, {1, 0}, {2, 0}, {3, 0}, {1, 2}, {2, 2}}};
    for (int k = 0; k < captions.size(); ++k) {
        const auto [row, column] = Cells[static_cast<std::size_t>(k)];
        grid->addWidget(new QLabel(captions[k], this), row, column);
        auto* value = new QLabel(this);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        values_[static_cast<std::size_t>(k)] = value;
        grid->addWidget(value, row, column + 1);
    }
    auto* note = new QLabel(tr("Sunrise and sunset are the Hindu rising and setting: the centre of the Sun's disc "
                               "on the horizon, without refraction, as the published panchangs reckon them. A birth "
                               "before sunrise belongs to the previous day's vara."),
                            this);
    note->setObjectName(QStringLiteral("panchangNote"));
    note->setWordWrap(true);
    grid->addWidget(note, 4, 0, 1, 4);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(1, 1);
}

void PanchangBox::showChart(const ChartResult& result)
{
    const auto panchang = panchang::PanchangOf(result.chart);
    if (!panchang) {
        for (QLabel* value : values_) value->setText(tr("not available for this date"));
        return;
    }
    const int offset = UtcOffsetSeconds(result.birth);
    const auto limb = [&](const QString& name, int number, double endJd) {
        return tr("%1 (%2), ends %3").arg(name).arg(number).arg(ClockText(endJd, offset));
    };
    const panchang::Panchang& p = *panchang;
    values_[0]->setText(limb(LimbName(vocabulary::Kind::Tithi, p.tithi.number - 1, panchang::TithiName(p.tithi.number)), p.tithi.number, p.tithi.endJd));
    values_[2]->setText(limb(LimbName(vocabulary::Kind::Nakshatra, p.nakshatra.number - 1, vedic::NakshatraName(p.nakshatra.number - 1)),
                             p.nakshatra.number,
                             p.nakshatra.endJd));
    values_[3]->setText(limb(LimbName(vocabulary::Kind::Yoga, p.yoga.number - 1, panchang::YogaName(p.yoga.number)), p.yoga.number, p.yoga.endJd));
    values_[4]->setText(limb(LimbName(vocabulary::Kind::Karana, KaranaEntry(p.karana.number), panchang::KaranaName(p.karana.number)), p.karana.number, p.karana.endJd));
    if (p.sunrise == precise::SunriseOutcome::Found) {
        values_[1]->setText(tr("%1, lord %2")
                                .arg(VaraText(p.vara),
                                     ShownEnglishName(ToQString(vedic::GrahaName(panchang::VaraLord(p.vara))))));
        values_[5]->setText(ClockText(p.sunriseJd, offset));
        values_[6]->setText(ClockText(p.sunsetJd, offset));
    } else {
        const QString none = tr("no sunrise on this day at this latitude");
        values_[1]->setText(none);
        values_[5]->setText(none);
        values_[6]->setText(none);
    }
}

QStringList PanchangBox::rowTexts() const
{
    QStringList texts;
    for (const QLabel* value : values_) texts << value->text();
    return texts;
}

}  // namespace zodiora
