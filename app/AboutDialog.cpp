#include "app/AboutDialog.h"
#include "app/QtText.h"
#include "zodiora/Version.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppConfig.h"
#include "app/AppIcon.h"
#include "app/LinkLabel.h"
#include "app/WebPages.h"

namespace zodiora {

namespace {

/// What the program does, then the licence and the credits its data require.
QString DescriptionText()
{
    return AboutDialog::summaryText() +
           QStringLiteral("\n\nCopyright \u00A9 the makers of Zodiora. Free software under the GNU Affero "
                          "General Public License, version 3 or later (AGPL-3.0-or-later); it comes with no "
                          "warranty.\nPlace data \u00A9 GeoNames (geonames.org), CC BY 4.0.");
}

}  // namespace

AboutDialog::AboutDialog(Platform& platform, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(ToQString(ProgramTitle));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("iconLabel"));
    const qreal scale = devicePixelRatioF();
    QPixmap picture = ApplicationIconPixmap(qRound(64 * scale));
    picture.setDevicePixelRatio(scale);
    icon->setPixmap(picture);
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* title = new QLabel(ToQString(ProgramTitle), this);
    title->setObjectName(QStringLiteral("titleLabel"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);

    auto* description = new QLabel(DescriptionText(), this);
    description->setObjectName(QStringLiteral("descriptionLabel"));
    description->setTextFormat(Qt::PlainText);
    description->setWordWrap(true);
    description->setFixedWidth(340);  // a wrapped label needs a width to find its height

    auto* homePage = new LinkLabel(tr("Click here to visit ") + QStringLiteral(ZODIORA_MAKER_ADDRESS), this);
    homePage->setObjectName(QStringLiteral("homePageLink"));
    homePage->showAsWebLink();
    connect(homePage, &LinkLabel::clicked, this, [&platform] { WebPages(platform).openHome(); });

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addSpacing(6);
    text->addWidget(description);
    text->addSpacing(6);
    text->addWidget(homePage);
    text->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString AboutDialog::summaryText()
{
    return tr(
        "Zodiora shows the positions of the planets in the twelve signs in your natal chart. "
        "The distribution of the planets in the different signs play an important role in "
        "interpreting the birth chart of an individual.");
}

}  // namespace zodiora
