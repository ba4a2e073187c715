#include "app/Banner.h"

#include <QHBoxLayout>

#include "app/Colours.h"
#include "app/LinkLabel.h"
#include "app/WebPages.h"

namespace zodiora {

QWidget* BuildBanner(const QString& line, const char* linkName, const BannerStyle& style, Platform& platform)
{
    auto* strip = new QWidget;
    SetColours(strip, style.background, style.text);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(style.margins);
    auto* link = new LinkLabel(line, strip);
    link->setObjectName(QLatin1String(linkName));
    // Kept out of the tab chain: a label shows no focus, and Help > Visit Us
    // Online opens the same page from the keyboard.
    link->setFocusPolicy(Qt::NoFocus);
    QFont bold = link->font();
    bold.setBold(true);
    link->setFont(bold);
    QObject::connect(link, &LinkLabel::clicked, link, [&platform] { WebPages(platform).openHome(); });
    row->addWidget(link, 0, Qt::AlignHCenter);
    return strip;
}

}  // namespace zodiora
