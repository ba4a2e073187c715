#pragma once

#include <QColor>
#include <QImage>
#include <QMap>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace zodiora::test {

/// A dark desktop palette of the kind dark themes give the Fusion style.
inline QPalette DarkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53);
    const QColor base(42, 42, 42);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, QColor(100, 170, 255));
    p.setColor(QPalette::LinkVisited, QColor(180, 140, 255));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    p.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return p;
}

/// WCAG contrast ratio of two colours (1 to 21).
inline double ContrastRatio(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            v /= 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

/// The contrast of text in a picture of it: the commonest colour is the
/// background, the colour the text is drawn in is the most frequent one of
/// the pixels farthest from it (glyph stems reach the full colour; edges
/// are blends). Returns {background, text, ratio}.
struct TextContrast {
    QColor background;
    QColor text;
    double ratio = 1.0;
};

inline TextContrast MeasureTextContrast(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QMap<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    TextContrast result;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            result.background = QColor::fromRgb(it.key());
        }
    }
    // Among colours covering at least 0.5 % of the non-background pixels,
    // the one of highest contrast: the body text's colour.
    const int textPixels = image.width() * image.height() - most;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const QColor colour = QColor::fromRgb(it.key());
        const double ratio = ContrastRatio(colour, result.background);
        if (it.value() * 200 >= textPixels && colour != result.background && ratio > result.ratio) {
            result.ratio = ratio;
            result.text = colour;
        }
    }
    return result;
}

}  // namespace zodiora::test
