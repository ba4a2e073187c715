#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <array>

namespace zodiora {

/// The whole-sign natal wheel: twelve houses split by lines through the
/// centre (one horizontal, house 1 just below its left end, the others
/// counter-clockwise), a coloured outer ring with a degree scale, the house
/// numbers, each house's text and its sign glyph. Painted in the design
/// space of 6780 × 6495 twips scaled to the widget, so it stays sharp at
/// any screen scaling.
class NatalWheel : public QWidget {
    Q_OBJECT
public:
    static constexpr double DesignWidth = 6780;   ///< twips
    static constexpr double DesignHeight = 6495;  ///< twips

    explicit NatalWheel(QWidget* parent = nullptr);

    /// Texts of houses 1..12 (index 0 = house 1), lines separated by CR LF.
    void setHouses(const std::array<QString, 12>& texts);
    /// Text of house `index` + 1 as last set.
    QString houseText(int index) const;

    /// Picture positions 1..12 (1 = Aries) shown in houses 1..12.
    void setGlyphs(const std::array<int, 12>& pictures);
    /// Picture position of the glyph in house `index` + 1.
    int glyphAt(int index) const;

    /// Top-left corner of house `index` + 1's text, in twips.
    static QPointF houseTextOrigin(int index);
    /// Top-left corner of house `index` + 1's 300 × 300 twip glyph box.
    static QPointF glyphOrigin(int index);

    QSize sizeHint() const override;

    /// Paints a wheel with these house texts and glyph pictures stretched
    /// into `box`, with any painter: the widget's, a page's, a file's.
    static void Paint(QPainter& painter, const QRectF& box, const std::array<QString, 12>& houses,
                      const std::array<int, 12>& glyphs);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static void paintRing(QPainter& painter);
    static void paintScale(QPainter& painter);
    static void paintDivisions(QPainter& painter);
    static void paintGlyphs(QPainter& painter, const std::array<int, 12>& glyphs);
    static void paintHouseTexts(QPainter& painter, const std::array<QString, 12>& houses);

    std::array<QString, 12> houses_;
    std::array<int, 12> glyphs_;
};

}  // namespace zodiora
