#include "app/BirthFormFields.h"

#include "app/ZoneNames.h"
#include "app/Language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>
#include <array>
#include <cmath>

#include "birthdata/BirthDataInput.h"
#include "birthdata/KeyFilters.h"
#include "birthdata/NameText.h"
#include "birthdata/TimeZoneTable.h"
#include "engine/YearRange.h"
#include "timezones/LocalMeanTime.h"
#include "timezones/ZoneChoice.h"
#include "presentation/ChartDisplay.h"

#include "app/KeyFilterHook.h"
#include "app/NumberListKeys.h"
#include "app/PlaceField.h"
#include "app/ZoneHistoryLine.h"
#include "atlas/Place.h"

namespace zodiora {

namespace {

QComboBox* NumberList(const char* name, int first, int last, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    // One insertion for the lot: item by item, the 817 years alone cost a
    // millisecond of start-up.
    QStringList numbers;
    numbers.reserve(last - first + 1);
    for (int n = first; n <= last; ++n) {
        numbers << QString::number(n);
    }
    list->addItems(numbers);
    list->setMaxVisibleItems(16);
    return list;
}

QLineEdit* TextBox(const QString& name, int maxLength, QWidget* parent = nullptr)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    if (maxLength > 0) {
        box->setMaxLength(maxLength);
    }
    return box;
}

QRadioButton* Option(const char* name, const QString& caption)
{
    auto* option = new QRadioButton(caption);
    option->setObjectName(QLatin1String(name));
    return option;
}

/// The widgets side by side, left-aligned.
QHBoxLayout* RowOf(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        row->addWidget(widget);
    }
    row->addStretch(1);
    return row;
}

std::string Std(const QString& text)
{
    return text.toStdString();
}

QString FromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

timezones::LocalDateTime LocalOf(const BirthFormInput& in)
{
    return {in.year, in.monthIndex + 1, in.day, in.hour, in.minute, 0};
}

/// "Berkeley, California, United States", as the atlas labels a place.
QString PlaceLabel(const BirthFormInput& in)
{
    QStringList parts;
    for (const std::string* part : {&in.city, &in.state, &in.country}) {
        if (!part->empty()) parts << FromStd(*part);
    }
    return parts.join(QStringLiteral(", "));
}

/// The atlas's five decimals of a degree exactly: degrees, minutes and
/// seconds to three decimals, and the hemisphere.
void ShowAngle(double degrees, std::array<QLineEdit*, 3> edits, QRadioButton* positive, QRadioButton* negative)
{
    const auto texts = DecimalAngleTexts(Std(QString::number(std::abs(degrees), 'f', 5)));
    if (!texts) return;
    edits[0]->setText(FromStd(texts->degrees));
    edits[1]->setText(FromStd(texts->minutes));
    edits[2]->setText(FromStd(texts->seconds));
    (degrees < 0 ? negative : positive)->setChecked(true);
}

}  // namespace

BirthFormFields::BirthFormFields(Platform& platform, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("birthFormFields"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    column->addWidget(buildBirthRows());
    column->addWidget(buildZone());
    zoneHistoryLine_ = new ZoneHistoryLine(*zoneBox_, *daylightSavingBox_, this);
    column->addWidget(zoneHistoryLine_);
    column->addWidget(buildCoordinates());
    column->addWidget(buildPlace());

    fillDefaults();
    setTabChain();
    connectZoneHistory();

    // The filters run on typed characters only; pasted text is left to validation.
    auto* digits = new KeyFilterHook(&FilterDigitKey, platform, this);
    for (QLineEdit* box : {latitudeDegreesEdit_, latitudeMinutesEdit_, longitudeDegreesEdit_, longitudeMinutesEdit_}) {
        box->installEventFilter(digits);
    }
    auto* seconds = new KeyFilterHook(&FilterSecondsKey, platform, this);
    for (QLineEdit* box : {latitudeSecondsEdit_, longitudeSecondsEdit_}) {
        box->installEventFilter(seconds);
    }
    auto* numbers = new NumberListKeys(this);
    for (QComboBox* list : {dayBox_, yearBox_, hourBox_, minuteBox_, secondBox_}) {
        numbers->watch(list);
    }
    auto* letters = new KeyFilterHook(&FilterLetterKey, platform, this);
    letters->limitLength(static_cast<int>(NameLengthLimit), NameLengthMessage());
    nameEdit_->installEventFilter(letters);
    nameEdit_->setToolTip(tr("Up to %1 characters").arg(NameLengthLimit));
}

QWidget* BirthFormFields::buildBirthRows()
{
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);

    nameEdit_ = TextBox(QStringLiteral("nameEdit"), 0, panel);
    grid->addWidget(new QLabel(tr("Name"), panel), 0, 0);
    grid->addWidget(nameEdit_, 0, 1);

    monthBox_ = new QComboBox(panel);
    monthBox_->setObjectName(QStringLiteral("monthBox"));
    monthBox_->setMaxVisibleItems(12);
    dayBox_ = NumberList("dayBox", 1, 31, panel);
    yearBox_ = NumberList("yearBox", PreciseYears.first, PreciseYears.last, panel);
    yearBox_->setMaxVisibleItems(20);
    // Shrinking below the longest entry is never asked of the fixed-size form;
    // a one-character minimum spares measuring all 817 years a second time
    // at start-up (the size hint still measures them).
    yearBox_->setMinimumContentsLength(1);
    grid->addWidget(new QLabel(tr("Date of Birth"), panel), 1, 0);
    // Dates before the Gregorian reform, or Old Style dates after it, must be converted first.
    grid->addLayout(RowOf({monthBox_, dayBox_, yearBox_, new QLabel(tr("Gregorian"), panel)}), 1, 1);

    hourBox_ = NumberList("hourBox", 0, 23, panel);
    minuteBox_ = NumberList("minuteBox", 0, 59, panel);
    secondBox_ = NumberList("secondBox", 0, 59, panel);
    grid->addWidget(new QLabel(tr("Time of Birth"), panel), 2, 0);
    grid->addLayout(RowOf({hourBox_, minuteBox_, secondBox_, new QLabel(tr("HH:MM:SS"), panel)}), 2, 1);
    grid->setColumnStretch(1, 1);
    return panel;
}

QWidget* BirthFormFields::buildZone()
{
    auto* frame = new QGroupBox(tr("Zone"));
    frame->setObjectName(QStringLiteral("zoneFrame"));
    auto* row = new QHBoxLayout(frame);
    daylightSavingBox_ = new QCheckBox(tr("Daylight Saving Time"), frame);
    daylightSavingBox_->setObjectName(QStringLiteral("daylightSavingBox"));
    zoneBox_ = new QComboBox(frame);
    zoneBox_->setObjectName(QStringLiteral("zoneBox"));
    zoneBox_->setMaxVisibleItems(20);
    zoneBox_->setMinimumContentsLength(1);  // as the year list's
    meanTimeBox_ = new QCheckBox(tr("Local mean time"), frame);
    meanTimeBox_->setObjectName(QStringLiteral("meanTimeBox"));
    meanTimeBox_->setToolTip(tr("The birth place's own mean time, longitude / 15; ticked by itself where the "
                                "place's zone kept local mean time then"));
    row->addWidget(daylightSavingBox_);
    row->addWidget(zoneBox_, 1);
    row->addWidget(meanTimeBox_);
    return frame;
}

QWidget* BirthFormFields::buildCoordinates()
{
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);

    struct Axis {
        const char* name;
        const char* caption;
        int degreeDigits;
        QLineEdit** degrees;
        QLineEdit** minutes;
        QLineEdit** seconds;
        std::array<const char*, 2> optionNames;
        std::array<const char*, 2> optionCaptions;
        std::array<QRadioButton**, 2> options;
    };
    const std::array<Axis, 2> axes{{
        {"latitude", QT_TR_NOOP("Latitude"), 2, &latitudeDegreesEdit_, &latitudeMinutesEdit_, &latitudeSecondsEdit_, {"northButton", "southButton"},
         {QT_TR_NOOP("North"), QT_TR_NOOP("South")}, {&northButton_, &southButton_}},
        {"longitude", QT_TR_NOOP("Longitude"), 3, &longitudeDegreesEdit_, &longitudeMinutesEdit_, &longitudeSecondsEdit_, {"eastButton", "westButton"},
         {QT_TR_NOOP("East"), QT_TR_NOOP("West")}, {&eastButton_, &westButton_}},
    }};
    for (const Axis& axis : axes) {
        const QString name = QLatin1String(axis.name);
        auto* degrees = *axis.degrees = TextBox(name + QStringLiteral("DegreesEdit"), axis.degreeDigits);
        auto* minutes = *axis.minutes = TextBox(name + QStringLiteral("MinutesEdit"), 2);
        // Two digits and up to nine decimals; empty: the place is given to the minute.
        auto* seconds = *axis.seconds = TextBox(name + QStringLiteral("SecondsEdit"), 12);
        seconds->setToolTip(tr("Optional seconds of arc, with decimals if you have them (24 or 07.5)"));
        auto* first = *axis.options[0] = Option(axis.optionNames[0], tr(axis.optionCaptions[0]));
        auto* second = *axis.options[1] = Option(axis.optionNames[1], tr(axis.optionCaptions[1]));

        auto* box = new QGroupBox(tr(axis.caption), panel);
        box->setObjectName(name + QStringLiteral("Frame"));
        auto* grid = new QGridLayout(box);
        const int boxWidth = degrees->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 14;
        degrees->setFixedWidth(boxWidth);
        minutes->setFixedWidth(boxWidth);
        seconds->setFixedWidth(degrees->fontMetrics().horizontalAdvance(QStringLiteral("00.000")) + 14);
        for (QWidget* control : std::initializer_list<QWidget*>{degrees, minutes, seconds, first, second}) {
            control->setParent(box);
        }
        grid->addWidget(degrees, 0, 0);
        grid->addWidget(new QLabel(tr("Deg"), box), 0, 1);
        grid->addWidget(minutes, 0, 2);
        grid->addWidget(new QLabel(tr("Min"), box), 0, 3);
        grid->addWidget(seconds, 0, 4);
        grid->addWidget(new QLabel(tr("Sec"), box), 0, 5);
        grid->addWidget(first, 1, 0, 1, 2);
        grid->addWidget(second, 1, 2, 1, 2);
        grid->setColumnStretch(6, 1);
        row->addWidget(box);
    }
    return panel;
}

QWidget* BirthFormFields::buildPlace()
{
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    cityEdit_ = TextBox(QStringLiteral("cityEdit"), 0, panel);
    stateEdit_ = TextBox(QStringLiteral("stateEdit"), 0, panel);
    countryEdit_ = TextBox(QStringLiteral("countryEdit"), 0, panel);
    grid->addWidget(new QLabel(tr("City"), panel), 0, 0);
    grid->addWidget(cityEdit_, 0, 1);
    grid->addWidget(new QLabel(tr("State"), panel), 1, 0);
    grid->addWidget(stateEdit_, 1, 1);
    grid->addWidget(new QLabel(tr("Country"), panel), 2, 0);
    grid->addWidget(countryEdit_, 2, 1);

    lookupButton_ = new QPushButton(tr("Click Here To Find Latitude && Longitude"), panel);
    lookupButton_->setObjectName(QStringLiteral("lookupButton"));
    lookupButton_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    connect(lookupButton_, &QPushButton::clicked, this, &BirthFormFields::placeLookupRequested);
    grid->addWidget(lookupButton_, 0, 2, 3, 1);
    placeField_ = new PlaceField(panel);
    grid->addWidget(new QLabel(tr("Find Place"), panel), 3, 0);
    grid->addWidget(placeField_, 3, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    return panel;
}

void BirthFormFields::fillDefaults()
{
    QStringList months;
    for (int month = 1; month <= 12; ++month) {
        months << MonthText(month);
    }
    monthBox_->addItems(months);
    QStringList zones;
    for (int row = 0; row < TimeZoneRowCount; ++row) {
        zones << ShownZoneRow(row);
    }
    zoneBox_->addItems(zones);
    for (QComboBox* list : {monthBox_, dayBox_, yearBox_, hourBox_, minuteBox_, secondBox_}) {
        list->setCurrentIndex(0);
    }
    // The list reaches back to 1583; a new form still opens on the classic ephemeris's first year.
    yearBox_->setCurrentText(QString::number(ClassicYears.first));
    zoneBox_->setCurrentIndex(DefaultTimeZoneRow);
    northButton_->setChecked(true);
    eastButton_->setChecked(true);
}

void BirthFormFields::setTabChain()
{
    // Top to bottom, left to right, as the rows are laid out.
    const std::array<QWidget*, 24> chain{nameEdit_,           monthBox_,           dayBox_,
                                         yearBox_,            hourBox_,            minuteBox_,
                                         secondBox_,          daylightSavingBox_,  zoneBox_,
                                         meanTimeBox_,
                                         latitudeDegreesEdit_, latitudeMinutesEdit_, latitudeSecondsEdit_,
                                         northButton_,        southButton_,
                                         longitudeDegreesEdit_, longitudeMinutesEdit_, longitudeSecondsEdit_,
                                         eastButton_,         westButton_,         cityEdit_,
                                         stateEdit_,          countryEdit_,        lookupButton_};
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        setTabOrder(chain[i], chain[i + 1]);
    }
}

void BirthFormFields::chainTabTo(QWidget* next)
{
    setTabOrder(lookupButton_, placeField_);
    setTabOrder(placeField_, next);
}

BirthFormInput BirthFormFields::input() const
{
    BirthFormInput in;
    in.name = Std(nameEdit_->text());
    in.monthIndex = monthBox_->currentIndex();
    in.day = dayBox_->currentText().toInt();
    in.year = yearBox_->currentText().toInt();
    in.hour = hourBox_->currentText().toInt();
    in.minute = minuteBox_->currentText().toInt();
    in.zoneRow = zoneBox_->currentIndex();
    in.daylightSaving = daylightSavingBox_->isChecked();
    in.latDegrees = Std(latitudeDegreesEdit_->text());
    in.latMinutes = Std(latitudeMinutesEdit_->text());
    in.latSeconds = Std(latitudeSecondsEdit_->text().trimmed());
    in.south = southButton_->isChecked();
    in.lonDegrees = Std(longitudeDegreesEdit_->text());
    in.lonMinutes = Std(longitudeMinutesEdit_->text());
    in.lonSeconds = Std(longitudeSecondsEdit_->text().trimmed());
    in.east = eastButton_->isChecked();
    in.city = Std(cityEdit_->text());
    in.state = Std(stateEdit_->text());
    in.country = Std(countryEdit_->text());
    in.exactOffsetSeconds = zoneHistoryLine_->exactOffsetSeconds();
    if (meanTimeBox_->isChecked()) {
        // The place's exact longitude, seconds and all, as the chart takes it.
        BirthData birth;
        ReadBirthData(in, birth);
        in.exactOffsetSeconds = timezones::LocalMeanTimeOffsetSeconds(-SignedLongitude(birth));
        in.localMeanTime = true;
    }
    // The exact offset's entry is no row of the table: the row, not read
    // beside it, is the default one, as the tool keeps it.
    if (in.exactOffsetSeconds) in.zoneRow = DefaultTimeZoneRow;
    return in;
}

void BirthFormFields::setInput(const BirthFormInput& in, std::string_view zoneId)
{
    // The input says the zone itself; a place picked earlier no longer speaks for it.
    zoneHistoryLine_->clearPlace();
    meanTimeBox_->setChecked(false);
    meanTimeFromHistory_ = false;
    nameEdit_->setText(FromStd(in.name));
    monthBox_->setCurrentIndex(in.monthIndex);
    dayBox_->setCurrentText(QString::number(in.day));
    yearBox_->setCurrentText(QString::number(in.year));
    hourBox_->setCurrentText(QString::number(in.hour));
    minuteBox_->setCurrentText(QString::number(in.minute));
    zoneBox_->setCurrentIndex(in.zoneRow);
    daylightSavingBox_->setChecked(in.daylightSaving);
    latitudeDegreesEdit_->setText(FromStd(in.latDegrees));
    latitudeMinutesEdit_->setText(FromStd(in.latMinutes));
    latitudeSecondsEdit_->setText(FromStd(in.latSeconds));
    (in.south ? southButton_ : northButton_)->setChecked(true);
    longitudeDegreesEdit_->setText(FromStd(in.lonDegrees));
    longitudeMinutesEdit_->setText(FromStd(in.lonMinutes));
    longitudeSecondsEdit_->setText(FromStd(in.lonSeconds));
    (in.east ? eastButton_ : westButton_)->setChecked(true);
    cityEdit_->setText(FromStd(in.city));
    stateEdit_->setText(FromStd(in.state));
    countryEdit_->setText(FromStd(in.country));
    placeField_->setText(PlaceLabel(in));
    if (in.exactOffsetSeconds) {
        zoneHistoryLine_->selectExactOffset(*in.exactOffsetSeconds);
    }
    if (!zoneId.empty()) {
        zoneHistoryLine_->restorePlace(FromStd(in.city), zoneId);
    }
    // A chart saved on the place's own mean time reopens on it.
    meanTimeBox_->setChecked(in.localMeanTime);
}

void BirthFormFields::setName(const std::string& name)
{
    nameEdit_->setText(FromStd(name));
}

void BirthFormFields::focusField(FormField field)
{
    QWidget* target = nullptr;
    switch (field) {
    case FormField::Name: target = nameEdit_; break;
    case FormField::LonDegrees: target = longitudeDegreesEdit_; break;
    case FormField::LonMinutes: target = longitudeMinutesEdit_; break;
    case FormField::LonSeconds: target = longitudeSecondsEdit_; break;
    case FormField::LatDegrees: target = latitudeDegreesEdit_; break;
    case FormField::LatMinutes: target = latitudeMinutesEdit_; break;
    case FormField::LatSeconds: target = latitudeSecondsEdit_; break;
    case FormField::City: target = cityEdit_; break;
    case FormField::State: target = stateEdit_; break;
    case FormField::Country: target = countryEdit_; break;
    case FormField::None: break;
    }
    if (target != nullptr) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

void BirthFormFields::connectZoneHistory()
{
    connect(placeField_, &PlaceField::placeChosen, this, &BirthFormFields::fillPlace);
    connect(yearBox_, &QComboBox::currentIndexChanged, this,
            [this] { emit yearChosen(yearBox_->currentText().toInt()); });
    // The offset in force depends on the date and time of birth.
    for (QComboBox* list : {monthBox_, dayBox_, yearBox_, hourBox_, minuteBox_}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            zoneHistoryLine_->setLocalTime(LocalOf(input()));
            followMeanTimeHistory();
        });
    }
    zoneHistoryLine_->setLocalTime(LocalOf(input()));
    // A tick by hand is the user's choice; history no longer moves it.
    connect(meanTimeBox_, &QCheckBox::clicked, this, [this] { meanTimeFromHistory_ = false; });
    connect(meanTimeBox_, &QCheckBox::toggled, this, [this](bool on) {
        zoneBox_->setEnabled(!on);
        daylightSavingBox_->setEnabled(!on);
    });
}

void BirthFormFields::followMeanTimeHistory()
{
    const std::string id = zoneHistoryLine_->zoneId();
    if (id.empty() || (meanTimeBox_->isChecked() && !meanTimeFromHistory_)) return;
    const timezones::LocalDateTime local = LocalOf(input());
    std::string error;
    const auto choice = timezones::ChooseZone(id, local, &error);
    const bool kept = choice && timezones::KeptLocalMeanTime(choice->earlier.offset, local.year);
    meanTimeBox_->setChecked(kept);
    meanTimeFromHistory_ = kept;
}

bool BirthFormFields::localMeanTime() const
{
    return meanTimeBox_->isChecked();
}


void BirthFormFields::fillPlace(const atlas::Place& place)
{
    cityEdit_->setText(FromView(place.name));
    stateEdit_->setText(FromView(place.state));
    countryEdit_->setText(FromView(place.country));
    ShowAngle(place.latitude, {latitudeDegreesEdit_, latitudeMinutesEdit_, latitudeSecondsEdit_}, northButton_,
              southButton_);
    ShowAngle(place.longitude, {longitudeDegreesEdit_, longitudeMinutesEdit_, longitudeSecondsEdit_}, eastButton_,
              westButton_);
    zoneHistoryLine_->setPlace(FromView(place.name), place.zoneId);
    followMeanTimeHistory();
}

QString BirthFormFields::missingZoneChoice() const
{
    return zoneHistoryLine_->missingChoice();
}

void BirthFormFields::focusZoneChoice()
{
    zoneHistoryLine_->focusChoice();
}

std::string BirthFormFields::zoneId() const
{
    return zoneHistoryLine_->zoneId();
}

}  // namespace zodiora
