#include "BirthDataInput.h"
#include "ChartSession.h"
#include "Interpretation.h"
#include "KeyFilters.h"
#include "PlaceLookup.h"
#include "TimeZoneTable.h"

#include "FrmMain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

#include "AppConfig.h"
#include "AppFont.h"
#include "FrmDisplay.h"
#include "HelpMenu.h"
#include "KeyFilterHook.h"
#include "LinkLabel.h"
#include "Mdi.h"
#include "MessageMapping.h"
#include "ModHelp.h"
#include "PlaceSearch.h"
#include "RichTextSink.h"

namespace zodiora {

namespace {

constexpr std::array<const char*, 12> MonthCaptions{"January", "February", "March",     "April",   "May",      "June",
                                                    "July",    "August",   "September", "October", "November", "December"};

QComboBox* NumberList(const char* name, int first, int last, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    for (int n = first; n <= last; ++n) {
        list->addItem(QString::number(n));
    }
    list->setMaxVisibleItems(16);
    return list;
}

QLineEdit* TextBox(const char* name, int maxLength, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    if (maxLength > 0) {
        box->setMaxLength(maxLength);
    }
    return box;
}

QRadioButton* Option(const QString& objectName, const QString& caption, QWidget* parent)
{
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(objectName);
    return option;
}

std::string Std(const QString& text)
{
    return text.toStdString();
}

}  // namespace

FrmMain::FrmMain(Platform& platform, QWidget* parent)
    : QMainWindow(parent),
      platform_(platform),
      session_(std::make_unique<ChartSession>())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Zodiora v1.15"));
    setFont(ProgramFont());

    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 8);
    column->addWidget(buildBanner());

    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 6, 12, 0);
    body->setSpacing(8);
    body->addWidget(buildBirthRows());
    body->addWidget(buildZone());
    body->addWidget(buildCoordinates());
    body->addWidget(buildPlace());

    cmdRashi = new QPushButton(QStringLiteral("Proceed"), client);
    cmdRashi->setObjectName(QStringLiteral("cmdRashi"));
    cmdRashi->setMinimumHeight(cmdRashi->sizeHint().height() + 6);
    QFont proceedFont = cmdRashi->font();
    proceedFont.setBold(true);
    cmdRashi->setFont(proceedFont);
    connect(cmdRashi, &QPushButton::clicked, this, &FrmMain::cmdRashi_Click);
    body->addWidget(cmdRashi);

    auto* about = new QLabel(QStringLiteral(
        "Zodiora shows the positions of the planets in the twelve signs in your natal chart. The distribution of the "
        "planets in the different signs play an important role in interpreting the birth chart of an individual."),
        client);
    about->setObjectName(QStringLiteral("lblAbout"));
    about->setWordWrap(true);
    body->addWidget(about);
    column->addLayout(body);
    setCentralWidget(client);

    buildMenus();
    fillDefaults();
    setTabChain();

    // The filters run on typed characters only; pasted text is left to validation.
    auto* digits = new KeyFilterHook(&FilterDigitKey, platform_, this);
    for (QLineEdit* box : {txtLatD, txtLatM, txtLonD, txtLonM}) {
        box->installEventFilter(digits);
    }
    txtName->installEventFilter(new KeyFilterHook(&FilterLetterKey, platform_, this));

    txtName->setFocus();
    client->setFixedWidth(client->sizeHint().width());
    adjustSize();
    setFixedSize(sizeHint());
}

Mdi* FrmMain::ResultsWindow() const
{
    return results_.data();
}

FrmMain::~FrmMain()
{
    delete results_.data();
}

QWidget* FrmMain::buildBanner()
{
    auto* strip = new QWidget;
    strip->setAutoFillBackground(true);
    QPalette pal = strip->palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 110));
    pal.setColor(QPalette::WindowText, QColor(255, 214, 90));
    strip->setPalette(pal);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(8, 5, 8, 5);
    Label61 = new LinkLabel(QStringLiteral("Talk astrology with other users on our discussion board at "
                                           ZODIORA_MAKER_ADDRESS),
                            strip);
    Label61->setObjectName(QStringLiteral("Label61"));
    QFont bold = Label61->font();
    bold.setBold(true);
    Label61->setFont(bold);
    connect(Label61, &LinkLabel::clicked, this, [this] { OpenHomePage(platform_); });
    row->addWidget(Label61, 0, Qt::AlignHCenter);
    return strip;
}

QWidget* FrmMain::buildBirthRows()
{
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);

    txtName = TextBox("txtName", 0, panel);
    grid->addWidget(new QLabel(QStringLiteral("Name"), panel), 0, 0);
    grid->addWidget(txtName, 0, 1);

    cboMonth = new QComboBox(panel);
    cboMonth->setObjectName(QStringLiteral("cboMonth"));
    cboMonth->setMaxVisibleItems(12);
    cboDate = NumberList("cboDate", 1, 31, panel);
    cboYear = NumberList("cboYear", 1901, 2050, panel);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(cboMonth);
    dateRow->addWidget(cboDate);
    dateRow->addWidget(cboYear);
    dateRow->addStretch(1);
    grid->addWidget(new QLabel(QStringLiteral("Date of Birth"), panel), 1, 0);
    grid->addLayout(dateRow, 1, 1);

    cboHH = NumberList("cboHH", 0, 23, panel);
    cboMM = NumberList("cboMM", 0, 59, panel);
    cboSS = NumberList("cboSS", 0, 59, panel);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(cboHH);
    timeRow->addWidget(cboMM);
    timeRow->addWidget(cboSS);
    timeRow->addWidget(new QLabel(QStringLiteral("HH:MM:SS"), panel));
    timeRow->addStretch(1);
    grid->addWidget(new QLabel(QStringLiteral("Time of Birth"), panel), 2, 0);
    grid->addLayout(timeRow, 2, 1);
    grid->setColumnStretch(1, 1);
    return panel;
}

QWidget* FrmMain::buildZone()
{
    fraZone = new QGroupBox(QStringLiteral("Zone"));
    fraZone->setObjectName(QStringLiteral("fraZone"));
    auto* row = new QHBoxLayout(fraZone);
    chkDST = new QCheckBox(QStringLiteral("Daylight Saving Time"), fraZone);
    chkDST->setObjectName(QStringLiteral("chkDST"));
    cmbTimeZone = new QComboBox(fraZone);
    cmbTimeZone->setObjectName(QStringLiteral("cmbTimeZone"));
    cmbTimeZone->setMaxVisibleItems(20);
    row->addWidget(chkDST);
    row->addWidget(cmbTimeZone, 1);
    return fraZone;
}

QWidget* FrmMain::buildCoordinates()
{
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);

    auto frame = [panel](const char* name, const QString& caption, QLineEdit* degrees, QLineEdit* minutes,
                         QRadioButton* first, QRadioButton* second) {
        auto* box = new QGroupBox(caption, panel);
        box->setObjectName(QLatin1String(name));
        auto* grid = new QGridLayout(box);
        const int boxWidth = degrees->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 14;
        degrees->setFixedWidth(boxWidth);
        minutes->setFixedWidth(boxWidth);
        degrees->setParent(box);
        minutes->setParent(box);
        first->setParent(box);
        second->setParent(box);
        grid->addWidget(degrees, 0, 0);
        grid->addWidget(new QLabel(QStringLiteral("Deg"), box), 0, 1);
        grid->addWidget(minutes, 0, 2);
        grid->addWidget(new QLabel(QStringLiteral("Min"), box), 0, 3);
        grid->addWidget(first, 1, 0, 1, 2);
        grid->addWidget(second, 1, 2, 1, 2);
        grid->setColumnStretch(4, 1);
        return box;
    };

    txtLatD = TextBox("txtLatD", 2, nullptr);
    txtLatM = TextBox("txtLatM", 2, nullptr);
    optLat0 = Option(QStringLiteral("optLat(0)"), QStringLiteral("North"), nullptr);
    optLat1 = Option(QStringLiteral("optLat(1)"), QStringLiteral("South"), nullptr);
    row->addWidget(frame("fraLatitude", QStringLiteral("Latitude"), txtLatD, txtLatM, optLat0, optLat1));

    txtLonD = TextBox("txtLonD", 3, nullptr);
    txtLonM = TextBox("txtLonM", 2, nullptr);
    optLong0 = Option(QStringLiteral("optLong(0)"), QStringLiteral("East"), nullptr);
    optLong1 = Option(QStringLiteral("optLong(1)"), QStringLiteral("West"), nullptr);
    row->addWidget(frame("fraLongitude", QStringLiteral("Longitude"), txtLonD, txtLonM, optLong0, optLong1));
    return panel;
}

QWidget* FrmMain::buildPlace()
{
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    txtMCity = TextBox("txtMCity", 0, panel);
    txtMState = TextBox("txtMState", 0, panel);
    txtMCountry = TextBox("txtMCountry", 0, panel);
    grid->addWidget(new QLabel(QStringLiteral("City"), panel), 0, 0);
    grid->addWidget(txtMCity, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("State"), panel), 1, 0);
    grid->addWidget(txtMState, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Country"), panel), 2, 0);
    grid->addWidget(txtMCountry, 2, 1);

    cmdBrowser = new QPushButton(QStringLiteral("Click Here To Find Latitude && Longitude"), panel);
    cmdBrowser->setObjectName(QStringLiteral("cmdBrowser"));
    cmdBrowser->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    connect(cmdBrowser, &QPushButton::clicked, this, &FrmMain::cmdBrowser_Click);
    grid->addWidget(cmdBrowser, 0, 2, 3, 1);
    grid->setColumnStretch(1, 1);
    return panel;
}

void FrmMain::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* proceed = file->addAction(QStringLiteral("Proceed"));
    proceed->setObjectName(QStringLiteral("mnuProceed"));
    connect(proceed, &QAction::triggered, this, &FrmMain::cmdRashi_Click);
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &FrmMain::close);
    AddHelpMenu(menuBar(), platform_, this);
}

void FrmMain::fillDefaults()
{
    for (const char* month : MonthCaptions) {
        cboMonth->addItem(QLatin1String(month));
    }
    for (const TimeZoneRow& row : TimeZoneTable) {
        cmbTimeZone->addItem(QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size())));
    }
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS}) {
        list->setCurrentIndex(0);
    }
    cmbTimeZone->setCurrentIndex(DefaultTimeZoneRow);
    optLat0->setChecked(true);
    optLong0->setChecked(true);
}

void FrmMain::setTabChain()
{
    // Top to bottom, left to right, as the rows are laid out.
    const std::array<QWidget*, 22> chain{txtName,  cboMonth, cboDate,     cboYear,  cboHH,    cboMM,
                                         cboSS,    chkDST,   cmbTimeZone, txtLatD,  txtLatM,  optLat0,
                                         optLat1,  txtLonD,  txtLonM,     optLong0, optLong1, txtMCity,
                                         txtMState, txtMCountry, cmdBrowser, cmdRashi};
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        setTabOrder(chain[i], chain[i + 1]);
    }
}

BirthFormInput FrmMain::FormInput() const
{
    BirthFormInput in;
    in.name = Std(txtName->text());
    in.monthIndex = cboMonth->currentIndex();
    in.day = cboDate->currentText().toInt();
    in.year = cboYear->currentText().toInt();
    in.hour = cboHH->currentText().toInt();
    in.minute = cboMM->currentText().toInt();
    in.zoneRow = cmbTimeZone->currentIndex();
    in.daylightSaving = chkDST->isChecked();
    in.latDegrees = Std(txtLatD->text());
    in.latMinutes = Std(txtLatM->text());
    in.south = optLat1->isChecked();
    in.lonDegrees = Std(txtLonD->text());
    in.lonMinutes = Std(txtLonM->text());
    in.east = optLong0->isChecked();
    in.city = Std(txtMCity->text());
    in.state = Std(txtMState->text());
    in.country = Std(txtMCountry->text());
    return in;
}

void FrmMain::focusField(FormField field)
{
    QWidget* target = nullptr;
    switch (field) {
    case FormField::Name: target = txtName; break;
    case FormField::LonDegrees: target = txtLonD; break;
    case FormField::LonMinutes: target = txtLonM; break;
    case FormField::LatDegrees: target = txtLatD; break;
    case FormField::LatMinutes: target = txtLatM; break;
    case FormField::City: target = txtMCity; break;
    case FormField::State: target = txtMState; break;
    case FormField::Country: target = txtMCountry; break;
    case FormField::None: break;
    }
    if (target != nullptr) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

void FrmMain::cmdRashi_Click()
{
    const BirthFormInput input = FormInput();
    if (const auto problem = ValidateBirthData(input)) {
        ShowUserMessage(platform_, this, *problem);
        focusField(problem->focus);
        return;
    }
    const ChartDisplay chart = RunChart(input, *session_);

    delete results_.data();
    auto* mdi = new Mdi(platform_);
    results_ = mdi;
    connect(mdi, &Mdi::backRequested, this, &FrmMain::ShowInputAgain);
    connect(mdi, &Mdi::exitRequested, this, &FrmMain::ExitProgram);

    mdi->frmDisplay->Fill(chart);
    QTextEdit* report = mdi->frmDisplay->RTBHouseDesc;
    RichTextSink sink(*report);
    ComposeInterpretation(session_->positions, session_->readings, sink);
    report->moveCursor(QTextCursor::Start);

    // Without a window manager "maximised" means nothing: fill the screen.
    if (QScreen* s = screen()) {
        mdi->setGeometry(s->availableGeometry());
    }
    mdi->showMaximized();
    hide();
}

void FrmMain::cmdBrowser_Click()
{
    const BirthFormInput input = FormInput();
    if (const auto problem = CheckPlaceLookup(input.city, input.state, input.country)) {
        ShowUserMessage(platform_, this, *problem);
        focusField(problem->focus);
        return;
    }
    PlaceSearch(platform_).Present(QString::fromStdString(PlaceSearchQuery(input.city, input.state, input.country)),
                                   QStringLiteral(ZODIORA_HOME_URL));
}

void FrmMain::ShowInputAgain()
{
    show();
    if (results_) {
        results_->CloseForBack();
    }
}

void FrmMain::ExitProgram()
{
    if (exiting_) {
        return;
    }
    exiting_ = true;
    if (results_) {
        results_->CloseForBack();
    }
    hide();
    emit exitRequested();
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    ExitProgram();
}

void FrmMain::CentreOnScreen()
{
    if (QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
}

}  // namespace zodiora
