#include "app/BirthTimePanel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "margins/ClassicError.h"
#include "margins/StationContext.h"
#include "presentation/ChartSession.h"
#include "presentation/MarginText.h"

#include "app/Colours.h"
#include "app/Language.h"
#include "app/QtText.h"

namespace zodiora {

namespace {

/// The highlight of a fact that may have the other value.
const QColor NarrowBackground(255, 214, 200);

enum Column { FactColumn, ValueColumn, FromColumn, UntilColumn, MinutesColumn, ColumnCount };

QString Span(long long seconds)
{
    if (seconds < 120) return BirthTimePanel::tr("%1 s").arg(seconds);
    const long long minutes = (seconds + 30) / 60;
    if (minutes < 120) return BirthTimePanel::tr("%1 min").arg(minutes);
    return BirthTimePanel::tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

/// The clock time, with the month and day in front when it falls on
/// another day than the birth: "06:25:09", "06-13 04:54:01".
QString Clock(const BirthData& birth, long long seconds)
{
    const CalendarTime clock = ClockAt(birth, seconds);
    const QString time = ToQString(TimeOfDayText(clock));
    if (clock.year == birth.year && clock.month == birth.month && clock.day == birth.day) return time;
    return QStringLiteral("%1-%2 ")
               .arg(clock.month, 2, 10, QLatin1Char('0'))
               .arg(clock.day, 2, 10, QLatin1Char('0')) +
           time;
}

QString Value(const margins::MarginFact& fact, int value)
{
    if (WindowNameStyle().language == vocabulary::Language::English) return ToQString(MarginValueText(fact.kind, value));
    switch (fact.kind) {
    case margins::FactValueKind::Sign: return ShownName(vocabulary::Kind::Sign, value % 12);
    case margins::FactValueKind::NakshatraPada:
        return ShownName(vocabulary::Kind::Nakshatra, value / 4) + QLatin1Char(' ') + QString::number(value % 4 + 1);
    case margins::FactValueKind::Tithi: return ShownName(vocabulary::Kind::Tithi, value);
    }
    return {};
}

/// The edge a classic position lies near, in the windows' language.
QString BoundaryText(margins::Boundary boundary)
{
    switch (boundary) {
    case margins::Boundary::Sign: return BirthTimePanel::tr("sign", "an edge: a sign's");
    case margins::Boundary::Nakshatra: return BirthTimePanel::tr("nakshatra", "an edge: a nakshatra's");
    case margins::Boundary::Navamsa: break;
    }
    return BirthTimePanel::tr("navamsa", "an edge: a navamsa's");
}

QString DateOf(std::chrono::sys_days day)
{
    const std::chrono::year_month_day ymd{day};
    return ShownDate(QDate(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                           static_cast<int>(static_cast<unsigned>(ymd.day()))));
}

}  // namespace

QString FactTitle(const margins::MarginFact& fact)
{
    const std::string_view key = fact.key;
    if (key == "lagnaSign") return BirthTimePanel::tr("Lagna sign");
    if (key == "lagnaNakshatra") return BirthTimePanel::tr("Lagna nakshatra");
    if (key == "moonSign") return BirthTimePanel::tr("Moon sign");
    if (key == "moonNakshatra") return BirthTimePanel::tr("Moon nakshatra");
    if (key == "navamsaLagna") return BirthTimePanel::tr("Navamsa Lagna");
    if (key.size() > 5 && key.substr(key.size() - 5) == "Lagna") {
        return BirthTimePanel::tr("%1 Lagna").arg(ToQString(std::string(key.substr(0, key.size() - 5))));
    }
    if (fact.title == std::string_view("Tithi")) return BirthTimePanel::tr("Tithi");
    return ToQString(std::string(fact.title));
}

QString NarrowFactSentence(const BirthData& birth, const margins::FactMargin& margin)
{
    const long long nearest = margin.secondsToNearerEdge();
    if (margin.from && -*margin.from == nearest && margin.before) {
        return BirthTimePanel::tr("%1 changes %2 earlier: %3 before %4")
            .arg(FactTitle(margin.fact), Span(nearest), Value(margin.fact, *margin.before),
                 ToQString(TimeOfDayText(ClockAt(birth, *margin.from))));
    }
    if (margin.until && margin.after) {
        return BirthTimePanel::tr("%1 changes %2 later: %3 from %4")
            .arg(FactTitle(margin.fact), Span(nearest), Value(margin.fact, *margin.after),
                 ToQString(TimeOfDayText(ClockAt(birth, *margin.until + 1))));
    }
    return {};
}

BirthTimePanel::BirthTimePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("birthTimePanel"));
    SetColours(this, Cream, Qt::black);
    SetPaperColours(this);
    auto* frame = new QGroupBox(tr("Birth time"), this);
    auto* column = new QVBoxLayout(frame);

    auto* row = new QHBoxLayout;
    auto* caption = new QLabel(tr("Known to within &\u00b1"), frame);
    uncertainty_ = new QSpinBox(frame);
    uncertainty_->setObjectName(QStringLiteral("uncertaintyField"));
    uncertainty_->setRange(0, 1440);
    uncertainty_->setValue(5);
    uncertainty_->setSuffix(tr(" min"));
    uncertainty_->setToolTip(tr("How many minutes either way the birth time may be off; a fact that changes "
                                "closer to the birth than that is highlighted"));
    caption->setBuddy(uncertainty_);
    row->addWidget(caption);
    row->addWidget(uncertainty_);
    row->addStretch(1);
    column->addLayout(row);

    narrowLabel_ = new QLabel(frame);
    narrowLabel_->setObjectName(QStringLiteral("narrowFactsLabel"));
    narrowLabel_->setWordWrap(true);
    narrowLabel_->setTextFormat(Qt::PlainText);
    QPalette red = narrowLabel_->palette();
    red.setColor(QPalette::WindowText, QColor(160, 0, 0));
    narrowLabel_->setPalette(red);
    column->addWidget(narrowLabel_);

    table_ = new QTableWidget(0, ColumnCount, frame);
    table_->setObjectName(QStringLiteral("marginsTable"));
    // Tab leaves the table for the next control; the arrows move between its cells.
    table_->setTabKeyNavigation(false);
    table_->setHorizontalHeaderLabels(
        {tr("Fact"), tr("Value"), tr("Holds from"), tr("Until"), tr("Nearer edge")});
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    column->addWidget(table_, 1);

    notesLabel_ = new QLabel(frame);
    notesLabel_->setObjectName(QStringLiteral("marginNotesLabel"));
    notesLabel_->setWordWrap(true);
    notesLabel_->setTextFormat(Qt::PlainText);
    column->addWidget(notesLabel_);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addWidget(frame);

    connect(uncertainty_, &QSpinBox::valueChanged, this, &BirthTimePanel::markNarrowFacts);
    connect(uncertainty_, &QSpinBox::valueChanged, this, &BirthTimePanel::uncertaintyChanged);
}

int BirthTimePanel::uncertaintyMinutes() const { return uncertainty_->value(); }

void BirthTimePanel::setUncertaintyMinutes(int minutes) { uncertainty_->setValue(minutes); }

void BirthTimePanel::showChart(const ChartResult& result)
{
    birth_ = result.birth;
    margins_ = margins::BirthTimeMargins(result.chart);
    table_->setRowCount(static_cast<int>(margins_.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const margins::FactMargin& margin = margins_[static_cast<std::size_t>(r)];
        const QString texts[ColumnCount]{
            FactTitle(margin.fact), Value(margin.fact, margin.value),
            margin.from ? Clock(birth_, *margin.from) : tr("over 3 days before"),
            margin.until ? Clock(birth_, *margin.until) : tr("over 3 days after"),
            margin.from || margin.until ? Span(margin.secondsToNearerEdge()) : QStringLiteral("-")};
        for (int c = 0; c < ColumnCount; ++c) table_->setItem(r, c, new QTableWidgetItem(texts[c]));
    }

    QStringList notes;
    for (const margins::ClassicWarning& warning : margins::ClassicWarnings(result.chart)) {
        notes << tr("Classic ephemeris: %1 lies %2′ from a %3 edge, within the method's %4′ error; the precise "
                    "ephemeris (Settings menu) settles its side.")
                     .arg(ShownEnglishName(ToQString(std::string(warning.point == Body::Ascendant ? "Ascendant"
                                                                                               : NameOf(warning.point)))))
                     .arg(warning.distance * 60, 0, 'f', 1)
                     .arg(BoundaryText(warning.boundary))
                     .arg(warning.error * 60, 0, 'f', 0);
    }
    for (const margins::StationContext& period : margins::StationsAround(result.chart)) {
        const QString planet = ShownEnglishName(ToQString(std::string(NameOf(period.planet))));
        notes << (period.retrogradeAtBirth
                      ? tr("%1 retrograde from %2 to %3, retrograde at birth.")
                      : tr("%1 retrograde from %2 to %3, a station within 3 days of the birth."))
                     .arg(planet, DateOf(period.retrograde), DateOf(period.direct));
    }
    notesLabel_->setText(notes.join(QLatin1Char('\n')));
    notesLabel_->setVisible(!notes.isEmpty());
    markNarrowFacts(uncertainty_->value());
}

QStringList BirthTimePanel::narrowFacts() const
{
    QStringList sentences;
    for (const margins::FactMargin& margin : margins_) {
        if (margin.narrowFor(uncertainty_->value())) sentences << NarrowFactSentence(birth_, margin);
    }
    return sentences;
}

bool BirthTimePanel::isNarrow(std::string_view key) const
{
    for (const margins::FactMargin& margin : margins_) {
        if (margin.fact.key == key) return margin.narrowFor(uncertainty_->value());
    }
    return false;
}

QString BirthTimePanel::reportNote() const
{
    const QStringList sentences = narrowFacts();
    if (sentences.isEmpty()) return {};
    return tr("Birth time known to within \u00b1%1 min; these facts may change within it:")
               .arg(uncertainty_->value()) +
           QLatin1Char('\n') + sentences.join(QLatin1Char('\n'));
}

QString BirthTimePanel::pageNote() const
{
    QStringList titles;
    for (const margins::FactMargin& margin : margins_) {
        if (margin.narrowFor(uncertainty_->value())) titles << FactTitle(margin.fact);
    }
    if (titles.isEmpty()) return {};
    return tr("Within \u00b1%1 min of the birth time these may differ: %2.")
        .arg(uncertainty_->value())
        .arg(titles.join(QStringLiteral(", ")));
}

void BirthTimePanel::markNarrowFacts(int minutes)
{
    for (int r = 0; r < table_->rowCount(); ++r) {
        const bool narrow = margins_[static_cast<std::size_t>(r)].narrowFor(minutes);
        for (int c = 0; c < ColumnCount; ++c) {
            QTableWidgetItem* item = table_->item(r, c);
            item->setBackground(narrow ? QBrush(NarrowBackground) : QBrush());
            QFont font = item->font();
            font.setBold(narrow && c == FactColumn);
            item->setFont(font);
        }
    }
    const QStringList sentences = narrowFacts();
    narrowLabel_->setText(sentences.isEmpty()
                              ? tr("No fact changes within %1 min of the birth time.").arg(minutes)
                              : tr("Within \u00b1%1 min of the birth time:\n").arg(minutes) +
                                    sentences.join(QLatin1Char('\n')));
}

}  // namespace zodiora
