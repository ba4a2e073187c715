#pragma once

#include <QColor>
#include <QMargins>
#include <QString>

class QWidget;

namespace zodiora {

class Platform;

/// Colours and inner margins of a window's banner strip.
struct BannerStyle {
    QColor background;
    QColor text;
    QMargins margins;
};

/// A strip across a window with one bold line centred on it, a link
/// (object name `linkName`) that opens the maker's home page.
QWidget* BuildBanner(const QString& line, const char* linkName, const BannerStyle& style, Platform& platform);

}  // namespace zodiora
