#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace zodiora {

/// The program's colours: the night blue behind the windows, the gold of
/// the banners and the cream of the chart form.
inline const QColor NightBlue(0, 0, 110);
inline const QColor BannerGold(255, 214, 90);
inline const QColor Cream(255, 251, 240);

/// Fills `widget`'s background with `background` and draws its text in `text`.
inline void SetColours(QWidget* widget, const QColor& background, const QColor& text)
{
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, text);
    widget->setPalette(pal);
}

/// For an area painted in the program's own light colours whatever the
/// desktop's palette: text boxes and links on it take a light palette's
/// colours too, so their text stays dark on light under a dark desktop.
inline void SetPaperColours(QWidget* widget)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    pal.setColor(QPalette::Link, QColor(0, 0, 255));
    widget->setPalette(pal);
}

}  // namespace zodiora
