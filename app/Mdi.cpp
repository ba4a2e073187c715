#include "Mdi.h"

#include <algorithm>

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QVBoxLayout>

#include "AppConfig.h"
#include "AppFont.h"
#include "FrmDisplay.h"
#include "HelpMenu.h"
#include "LinkLabel.h"
#include "ModHelp.h"
#include "ReportWindow.h"
#include "RichTextSink.h"
#include "Twips.h"

namespace zodiora {

namespace {

const QColor DarkBlue(0, 0, 110);

void Paint(QWidget* widget, const QColor& background, const QColor& text)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, text);
    widget->setPalette(pal);
}

}  // namespace

Mdi::Mdi(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform)
{
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(QStringLiteral("Zodiora v1.15"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(ProgramFont());

    auto* client = new QWidget(this);
    Paint(client, DarkBlue, Qt::white);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildBanner());
    layout->addWidget(buildTitle());

    frmDisplay = new FrmDisplay(platform_);
    scroll_ = new QScrollArea(client);
    auto* scroll = scroll_;
    scroll->setObjectName(QStringLiteral("scrDisplay"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Paint(scroll->viewport(), DarkBlue, Qt::white);
    frmDisplay->resize(frmDisplay->sizeHint().expandedTo(frmDisplay->minimumSize()));
    scroll->setWidget(frmDisplay);
    scroll->viewport()->installEventFilter(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(buildButtons());
    setCentralWidget(client);

    buildMenus();
}

QWidget* Mdi::buildBanner()
{
    auto* strip = new QWidget;
    Paint(strip, QColor(255, 214, 90), QColor(0, 0, 90));
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(6, 4, 6, 4);
    lblCorvaneBanner = new LinkLabel(
        QStringLiteral("Share your questions and experiences with others on our online forum at " ZODIORA_MAKER_ADDRESS),
        strip);
    lblCorvaneBanner->setObjectName(QStringLiteral("lblCorvaneBanner"));
    QFont bold = lblCorvaneBanner->font();
    bold.setBold(true);
    lblCorvaneBanner->setFont(bold);
    connect(lblCorvaneBanner, &LinkLabel::clicked, this, [this] { OpenHomePage(platform_); });
    row->addWidget(lblCorvaneBanner, 0, Qt::AlignHCenter);
    return strip;
}

QWidget* Mdi::buildTitle()
{
    auto* strip = new QWidget;
    Paint(strip, QColor(255, 251, 240), Qt::red);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(6, 2, 6, 2);
    lblSoftwareName = new QLabel(QStringLiteral("Zodiora"), strip);
    lblSoftwareName->setObjectName(QStringLiteral("lblSoftwareName"));
    QFont title = lblSoftwareName->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 2);
    lblSoftwareName->setFont(title);
    QPalette red = lblSoftwareName->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    lblSoftwareName->setPalette(red);
    row->addWidget(lblSoftwareName, 0, Qt::AlignHCenter);
    return strip;
}

QWidget* Mdi::buildButtons()
{
    buttonStrip_ = new QWidget;
    buttonStrip_->setObjectName(QStringLiteral("picButtons"));
    Paint(buttonStrip_, QColor(200, 206, 230), Qt::black);
    const int dpi = logicalDpiX();
    buttonStrip_->setFixedHeight(TwipsToPixels(600, dpi));

    auto button = [this, dpi](const char* name, const QString& caption, int widthTwips) {
        auto* b = new QPushButton(caption, buttonStrip_);
        b->setObjectName(QLatin1String(name));
        b->resize(TwipsToPixels(widthTwips, dpi), TwipsToPixels(390, dpi));
        return b;
    };
    Command1 = button("Command1", QStringLiteral("&Print"), 1020);
    cmdBack = button("cmdBack", QStringLiteral("&Back"), 1020);
    cmdMdiExit = button("cmdMdiExit", QStringLiteral("&Exit"), 1095);
    connect(Command1, &QPushButton::clicked, this, &Mdi::Command1_Click);
    connect(cmdBack, &QPushButton::clicked, this, &Mdi::cmdBack_Click);
    connect(cmdMdiExit, &QPushButton::clicked, this, &Mdi::cmdMdiExit_Click);
    buttonStrip_->installEventFilter(this);
    return buttonStrip_;
}

void Mdi::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* back = file->addAction(QStringLiteral("&Back"));
    back->setObjectName(QStringLiteral("mnuBack"));
    connect(back, &QAction::triggered, this, &Mdi::cmdBack_Click);
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &Mdi::cmdMdiExit_Click);
    AddHelpMenu(menuBar(), platform_, this);
}

void Mdi::placeButtons()
{
    const int dpi = logicalDpiX();
    const int w = buttonStrip_->width();
    const int y = (buttonStrip_->height() - cmdBack->height()) / 2;
    cmdMdiExit->move(w - (cmdMdiExit->width() + TwipsToPixels(ExitRightGap, dpi)), y);
    cmdBack->move(w - (cmdBack->width() + TwipsToPixels(BackRightGap, dpi)), y);
    Command1->move(w - (cmdBack->width() + TwipsToPixels(PrintOffset, dpi)), y);
}

bool Mdi::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == buttonStrip_ && event->type() == QEvent::Resize) {
        placeButtons();
    }
    if (scroll_ && watched == scroll_->viewport() && event->type() == QEvent::Resize) {
        fitDisplayHeight();
    }
    return QMainWindow::eventFilter(watched, event);
}

// The form keeps its designed width, centred; on a taller screen the extra
// height goes to the report box rather than to empty blue below the form.
void Mdi::fitDisplayHeight()
{
    const QSize designed = frmDisplay->sizeHint().expandedTo(frmDisplay->minimumSize());
    frmDisplay->resize(designed.width(), std::max(designed.height(), scroll_->viewport()->height()));
}

void Mdi::CloseForBack()
{
    closingForBack_ = true;
    close();
}

void Mdi::cmdBack_Click()
{
    emit backRequested();
}

void Mdi::cmdMdiExit_Click()
{
    emit exitRequested();
}

void Mdi::Command1_Click()
{
    ShowReportWindow(platform_, PlainTextWithCrLf(*frmDisplay->RTBHouseDesc), this);
}

void Mdi::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!closingForBack_) {
        emit exitRequested();
    }
}

}  // namespace zodiora
