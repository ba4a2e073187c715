#include "FrmAbout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "AppConfig.h"
#include "AppIcon.h"
#include "ModHelp.h"
#include "LinkLabel.h"

namespace zodiora {

FrmAbout::FrmAbout(Platform& platform, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Zodiora v1.15"));
    setModal(true);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    const qreal scale = devicePixelRatioF();
    QPixmap icon = ApplicationIconPixmap(qRound(64 * scale));
    icon.setDevicePixelRatio(scale);
    picIcon->setPixmap(icon);
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    Label2 = new QLabel(QStringLiteral("Zodiora v1.15"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont title = Label2->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.4);
    Label2->setFont(title);

    Label1 = new QLabel(DescriptionText(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setFixedWidth(340);  // a wrapped label needs a width to find its height

    lblHomePage = new LinkLabel(QStringLiteral("Click here to visit ") + QStringLiteral(ZODIORA_MAKER_ADDRESS), this);
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    lblHomePage->showAsWebLink();
    connect(lblHomePage, &LinkLabel::clicked, this, [&platform] { OpenHomePage(platform); });

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(Label2);
    text->addSpacing(6);
    text->addWidget(Label1);
    text->addSpacing(6);
    text->addWidget(lblHomePage);
    text->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString FrmAbout::DescriptionText()
{
    return QStringLiteral(
        "Zodiora shows the positions of the planets in the twelve signs in your natal chart. "
        "The distribution of the planets in the different signs play an important role in "
        "interpreting the birth chart of an individual.\n\n"
        "Copyright \u00A9 the makers of Zodiora. All rights reserved.");
}

}  // namespace zodiora
