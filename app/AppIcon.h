#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;

namespace zodiora {

/// Zodiora's icon, drawn rather than loaded: a night-blue disc with a gold
/// zodiac ring of twelve houses around a gold star. `side` in device pixels.
QPixmap ApplicationIconPixmap(int side);

/// Draws the icon as vector art into a `side` × `side` square at the painter's origin.
void PaintApplicationIcon(QPainter& painter, qreal side);

/// The icon in the usual sizes, for windows and the application.
QIcon ApplicationIcon();

/// Makes ApplicationIcon() the icon of every window of the program.
void InstallApplicationIcon();

}  // namespace zodiora
