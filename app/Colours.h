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

}  // namespace zodiora
