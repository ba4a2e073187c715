#include "ChartDisplay.h"

#include "FrmDisplay.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

#include "AppConfig.h"
#include "AppFont.h"
#include "LinkLabel.h"
#include "ModHelp.h"
#include "ModRtb.h"
#include "NatalWheel.h"
#include "Twips.h"

namespace zodiora {

namespace {

constexpr std::array<const char*, 11> BodyCaptions{"Sun",     "Moon",   "Mercury", "Venus",   "Mars", "Jupiter",
                                                   "Saturn",  "Uranus", "Neptune", "Pluto",   "Asc"};

QLabel* NamedLabel(const QString& objectName, QWidget* parent, bool bold)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

QLabel* Caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

}  // namespace

FrmDisplay::FrmDisplay(Platform& platform, QWidget* parent) : QWidget(parent), platform_(platform)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral("Zodiora v1.15"));
    setFont(ProgramFont());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 251, 240));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    auto* left = new QVBoxLayout;
    left->addWidget(buildDetails());
    left->addWidget(buildOtherDetails());
    left->addStretch(1);

    picNatal = new NatalWheel(this);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 0);
    top->addStretch(1);
    top->addWidget(picNatal, 0, Qt::AlignTop);
    top->addStretch(1);
    top->addWidget(buildPositions(), 0, Qt::AlignTop);

    auto* heading = new QLabel(QStringLiteral("Planets in Signs"), this);
    heading->setObjectName(QStringLiteral("lblPlanetsInSigns"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() + 2);
    heading->setFont(headingFont);

    RTBHouseDesc = new QTextEdit(this);
    RTBHouseDesc->setObjectName(QStringLiteral("RTBHouseDesc"));
    RTBHouseDesc->setReadOnly(true);
    RTBHouseDesc->setAcceptRichText(true);
    AttachClipboardGuard(RTBHouseDesc, platform_);

    Label3 = new LinkLabel(QStringLiteral("For a more detailed analysis of the planets in the signs of your chart, "
                                          "visit us at " ZODIORA_MAKER_ADDRESS),
                           this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->showAsWebLink();
    connect(Label3, &LinkLabel::clicked, this, [this] { OpenHomePage(platform_); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(heading);
    layout->addWidget(RTBHouseDesc, 1);
    layout->addWidget(Label3, 0, Qt::AlignHCenter);

    const int dpi = logicalDpiX();
    RTBHouseDesc->setMinimumHeight(TwipsToPixels(2100, dpi));
    setMinimumSize(TwipsToPixels(DesignWidth, dpi), TwipsToPixels(DesignHeight, dpi));
}

QWidget* FrmDisplay::buildDetails()
{
    auto* frame = new QGroupBox(QStringLiteral("Your Details"), this);
    frame->setObjectName(QStringLiteral("fraDetails"));
    auto* grid = new QGridLayout(frame);
    lblName = NamedLabel(QStringLiteral("lblName"), frame, true);
    lblName->setWordWrap(true);
    grid->addWidget(lblName, 0, 0, 1, 2);

    struct Row {
        const char* caption;
        const char* name;
        QLabel** target;
    };
    const std::array<Row, 7> rows{{{"Date of Birth :", "lblDOB", &lblDOB},
                                   {"Time of Birth :", "lblTOB", &lblTOB},
                                   {"Longitude :", "lblLongitude", &lblLongitude},
                                   {"Latitude   :", "lblLatitude", &lblLatitude},
                                   {"City :", "lblCity", &lblCity},
                                   {"State :", "lblState", &lblState},
                                   {"Country :", "lblCountry", &lblCountry}}};
    int r = 1;
    for (const Row& row : rows) {
        grid->addWidget(Caption(QString::fromLatin1(row.caption), frame), r, 0);
        *row.target = NamedLabel(QLatin1String(row.name), frame, true);
        (*row.target)->setWordWrap(true);
        grid->addWidget(*row.target, r, 1);
        ++r;
    }
    grid->setColumnStretch(1, 1);
    frame->setFixedWidth(TwipsToPixels(3300, logicalDpiX()));
    return frame;
}

QWidget* FrmDisplay::buildOtherDetails()
{
    auto* frame = new QGroupBox(QStringLiteral("Other Details"), this);
    frame->setObjectName(QStringLiteral("fraOtherDetails"));
    auto* column = new QVBoxLayout(frame);
    struct Row {
        const char* caption;
        const char* name;
        QLabel** target;
    };
    const std::array<Row, 3> rows{{{"Ascendant", "lblLagna", &lblLagna},
                                   {"Sun Sign", "lblSunSign", &lblSunSign},
                                   {"Moon Sign", "lblRashi", &lblRashi}}};
    for (const Row& row : rows) {
        column->addWidget(Caption(QString::fromLatin1(row.caption), frame));
        *row.target = NamedLabel(QLatin1String(row.name), frame, true);
        column->addWidget(*row.target);
        column->addSpacing(4);
    }
    frame->setFixedWidth(TwipsToPixels(3300, logicalDpiX()));
    return frame;
}

QWidget* FrmDisplay::buildPositions()
{
    auto* frame = new QGroupBox(QStringLiteral("Planetary Positions"), this);
    frame->setObjectName(QStringLiteral("fraPositions"));
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(TwipsToPixels(90, logicalDpiX()));
    QFont fixed(QStringLiteral("DejaVu Sans Mono"));
    fixed.setPointSizeF(font().pointSizeF());
    fixed.setBold(true);
    for (int k = 0; k < 11; ++k) {
        auto* caption = Caption(QLatin1String(BodyCaptions[static_cast<std::size_t>(k)]), frame);
        caption->setObjectName(QStringLiteral("PlanetName(%1)").arg(k));
        PlanetName[static_cast<std::size_t>(k)] = caption;
        auto* value = NamedLabel(QStringLiteral("lblPlanet(%1)").arg(k), frame, false);
        value->setFont(fixed);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("00 Xxx 00 (R)")));
        lblPlanet[static_cast<std::size_t>(k)] = value;
        grid->addWidget(caption, k, 0);
        grid->addWidget(value, k, 1);
    }
    return frame;
}

void FrmDisplay::Fill(const ChartDisplay& chart)
{
    for (std::size_t k = 0; k < lblPlanet.size(); ++k) {
        lblPlanet[k]->setText(Text(chart.positions[k]));
    }
    lblRashi->setText(Text(chart.rashi));
    lblSunSign->setText(Text(chart.sunSign));
    lblLagna->setText(Text(chart.lagna));

    lblName->setText(Text(chart.details.name));
    lblDOB->setText(Text(chart.details.dob));
    lblTOB->setText(Text(chart.details.tob));
    lblLatitude->setText(Text(chart.details.latitude));
    lblLongitude->setText(Text(chart.details.longitude));
    lblCity->setText(Text(chart.details.city));
    lblState->setText(Text(chart.details.state));
    lblCountry->setText(Text(chart.details.country));

    std::array<QString, 12> houses;
    for (std::size_t k = 0; k < houses.size(); ++k) {
        houses[k] = Text(chart.houses[k]);
    }
    picNatal->setHouses(houses);
    if (chart.glyphs) {
        picNatal->setGlyphs(*chart.glyphs);
    }
}

}  // namespace zodiora
