#include "app/ChartView.h"

#include "app/Language.h"

#include <algorithm>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

#include "engine/Body.h"
#include "presentation/ChartSession.h"

#include "app/AppConfig.h"
#include "app/AppFont.h"
#include "app/ClipboardGuard.h"
#include "app/Colours.h"
#include "app/CrLfText.h"
#include "app/LinkLabel.h"
#include "app/NatalWheel.h"
#include "app/QtText.h"
#include "app/RichTextSink.h"
#include "app/Twips.h"
#include "app/WebPages.h"

namespace zodiora {

namespace {

/// The form's designed size in twips.
constexpr int DesignWidth = 13320;
constexpr int DesignHeight = 9900;
/// The width of the details and signs frames in twips.
constexpr int DetailsWidth = 3300;

/// A caption beside a value label, or the value label itself (bold, named).
QLabel* TextLabel(const QString& text, QWidget* parent, const QString& objectName = {}, bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

QString Text(const std::string& utf8)
{
    return ToQString(utf8);
}

/// The position table's captions: Sun..Pluto, then "Asc".
QString BodyCaption(std::size_t row)
{
    return PointName(AllBodies[row]);
}

QGroupBox* Frame(const QString& title, const char* name, QWidget* parent)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(QLatin1String(name));
    return frame;
}

struct LabelRow {
    const char* caption;
    const char* name;
    QLabel** target;
};

}  // namespace

ChartView::ChartView(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform)
{
    setObjectName(QStringLiteral("chartView"));
    setFont(ProgramFont());
    SetColours(this, Cream, Qt::black);
    SetPaperColours(this);

    auto* left = new QVBoxLayout;
    left->addWidget(buildDetails());
    left->addWidget(buildSigns());
    left->addStretch(1);

    wheel_ = new NatalWheel(this);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 0);
    top->addStretch(1);
    top->addWidget(wheel_, 0, Qt::AlignTop);
    top->addStretch(1);
    top->addWidget(buildPositions(), 0, Qt::AlignTop);

    auto* heading = new QLabel(tr("Planets in Signs"), this);
    heading->setObjectName(QStringLiteral("planetsInSignsHeading"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() + 2);
    heading->setFont(headingFont);

    reportBox_ = new QTextEdit(this);
    reportBox_->setObjectName(QStringLiteral("reportBox"));
    reportBox_->setReadOnly(true);
    reportBox_->setAcceptRichText(true);
    new ClipboardGuard(reportBox_, platform_);

    auto* analysisLink = new LinkLabel(tr("For a more detailed analysis of the planets in the signs of "
                                          "your chart, visit us at %1")
                                           .arg(QStringLiteral(ZODIORA_MAKER_ADDRESS)),
                                       this);
    analysisLink->setObjectName(QStringLiteral("analysisLink"));
    analysisLink->showAsWebLink();
    connect(analysisLink, &LinkLabel::clicked, this, [this] { WebPages(platform_).openHome(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(heading);
    layout->addWidget(reportBox_, 1);
    layout->addWidget(analysisLink, 0, Qt::AlignHCenter);

    const int dpi = logicalDpiX();
    reportBox_->setMinimumHeight(TwipsToPixels(2100, dpi));
    setMinimumSize(TwipsToPixels(DesignWidth, dpi), TwipsToPixels(DesignHeight, dpi));
}

QWidget* ChartView::buildDetails()
{
    auto* frame = Frame(tr("Your Details"), "detailsFrame", this);
    auto* grid = new QGridLayout(frame);
    nameLabel_ = TextLabel({}, frame, QStringLiteral("nameLabel"), true);
    nameLabel_->setWordWrap(true);
    grid->addWidget(nameLabel_, 0, 0, 1, 2);

    const std::array<LabelRow, 7> rows{{{QT_TR_NOOP("Date of Birth :"), "birthDateLabel", &birthDateLabel_},
                                        {QT_TR_NOOP("Time of Birth :"), "birthTimeLabel", &birthTimeLabel_},
                                        {QT_TR_NOOP("Longitude :"), "longitudeLabel", &longitudeLabel_},
                                        {QT_TR_NOOP("Latitude   :"), "latitudeLabel", &latitudeLabel_},
                                        {QT_TR_NOOP("City :"), "cityLabel", &cityLabel_},
                                        {QT_TR_NOOP("State :"), "stateLabel", &stateLabel_},
                                        {QT_TR_NOOP("Country :"), "countryLabel", &countryLabel_}}};
    int r = 1;
    for (const LabelRow& row : rows) {
        grid->addWidget(TextLabel(tr(row.caption), frame), r, 0);
        *row.target = TextLabel({}, frame, QLatin1String(row.name), true);
        (*row.target)->setWordWrap(true);
        grid->addWidget(*row.target, r, 1);
        ++r;
    }
    grid->setColumnStretch(1, 1);
    // The date never wraps ("December/31/2050" stays one line); showChart
    // widens the frame for a date too long for it.
    birthDateLabel_->setWordWrap(false);
    frame->setFixedWidth(TwipsToPixels(DetailsWidth, logicalDpiX()));
    return frame;
}

QWidget* ChartView::buildSigns()
{
    auto* frame = Frame(tr("Other Details"), "signsFrame", this);
    auto* column = new QVBoxLayout(frame);
    const std::array<LabelRow, 3> rows{{{QT_TR_NOOP("Ascendant"), "ascendantLabel", &ascendantLabel_},
                                        {QT_TR_NOOP("Sun Sign"), "sunSignLabel", &sunSignLabel_},
                                        {QT_TR_NOOP("Moon Sign"), "moonSignLabel", &moonSignLabel_}}};
    for (const LabelRow& row : rows) {
        column->addWidget(TextLabel(tr(row.caption), frame));
        *row.target = TextLabel({}, frame, QLatin1String(row.name), true);
        column->addWidget(*row.target);
        column->addSpacing(4);
    }
    frame->setFixedWidth(TwipsToPixels(DetailsWidth, logicalDpiX()));
    return frame;
}

QWidget* ChartView::buildPositions()
{
    auto* frame = Frame(tr("Planetary Positions"), "positionsFrame", this);
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(TwipsToPixels(90, logicalDpiX()));
    QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    fixed.setPointSizeF(font().pointSizeF());
    fixed.setBold(true);
    for (std::size_t k = 0; k < positionLabels_.size(); ++k) {
        auto* caption = TextLabel(BodyCaption(k), frame, QStringLiteral("bodyNameLabel%1").arg(k));
        auto* value = TextLabel({}, frame, QStringLiteral("positionLabel%1").arg(k));
        value->setFont(fixed);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("00 Xxx 00 (R)")));
        positionLabels_[k] = value;
        grid->addWidget(caption, int(k), 0);
        grid->addWidget(value, int(k), 1);
    }
    return frame;
}

void ChartView::showChart(const ChartResult& result)
{
    const ChartDisplay& chart = result.display;
    for (std::size_t k = 0; k < positionLabels_.size(); ++k) {
        positionLabels_[k]->setText(ShownPosition(Text(chart.positions[k])));
    }
    moonSignLabel_->setText(ShownSignText(Text(chart.rashi)));
    sunSignLabel_->setText(ShownSignText(Text(chart.sunSign)));
    ascendantLabel_->setText(ShownSignText(Text(chart.lagna)));

    nameLabel_->setText(Text(chart.details.name));
    birthDateLabel_->setText(ShownBirthDate(result.birth, Text(chart.details.dob)));
    birthDateLabel_->setMinimumWidth(birthDateLabel_->fontMetrics().horizontalAdvance(birthDateLabel_->text()));
    QWidget* details = birthDateLabel_->parentWidget();
    details->setFixedWidth(std::max(TwipsToPixels(DetailsWidth, logicalDpiX()), details->minimumSizeHint().width()));
    birthTimeLabel_->setText(Text(chart.details.tob));
    latitudeLabel_->setText(ShownCoordinate(Text(chart.details.latitude)));
    longitudeLabel_->setText(ShownCoordinate(Text(chart.details.longitude)));
    cityLabel_->setText(Text(chart.details.city));
    stateLabel_->setText(Text(chart.details.state));
    countryLabel_->setText(Text(chart.details.country));

    std::array<QString, 12> houses;
    for (std::size_t k = 0; k < houses.size(); ++k) {
        houses[k] = ShownHouseText(Text(chart.houses[k]));
    }
    houses_ = houses;
    wheel_->setHouses(houses);
    if (chart.glyphs) {
        wheel_->setGlyphs(*chart.glyphs);
    }

    RichTextSink sink(*reportBox_);
    WriteReport(result.report, sink);
    reportBox_->moveCursor(QTextCursor::Start);
}

// A point whose sign may differ within the birth time's uncertainty gets a
// question mark on the wheel: "Asc ?", "Moon ?".
void ChartView::markUncertainPoints(bool ascendant, bool moon)
{
    std::array<QString, 12> houses = houses_;
    const QString crLf = QStringLiteral("\r\n");
    for (QString& text : houses) {
        QStringList lines = text.split(crLf);
        for (QString& line : lines) {
            if ((ascendant && line == QLatin1String("Asc")) || (moon && line == QLatin1String("Moon"))) {
                line += QStringLiteral(" ?");
            }
        }
        text = lines.join(crLf);
    }
    wheel_->setHouses(houses);
}

QString ChartView::reportText() const
{
    return PlainTextWithCrLf(*reportBox_);
}

}  // namespace zodiora
