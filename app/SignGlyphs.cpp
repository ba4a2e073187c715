#include "app/SignGlyphs.h"

namespace zodiora {

namespace {

QPainterPath Aries()
{
    QPainterPath p;
    p.moveTo(50, 92);
    p.cubicTo(50, 60, 46, 16, 28, 14);
    p.cubicTo(14, 13, 8, 30, 20, 40);
    p.moveTo(50, 92);
    p.cubicTo(50, 60, 54, 16, 72, 14);
    p.cubicTo(86, 13, 92, 30, 80, 40);
    return p;
}

QPainterPath Taurus()
{
    QPainterPath p;
    p.addEllipse(QPointF(50, 66), 23, 23);
    p.moveTo(12, 10);
    p.cubicTo(22, 44, 78, 44, 88, 10);
    return p;
}

QPainterPath Gemini()
{
    QPainterPath p;
    p.moveTo(14, 12);
    p.quadTo(50, 30, 86, 12);
    p.moveTo(14, 88);
    p.quadTo(50, 70, 86, 88);
    p.moveTo(36, 21);
    p.lineTo(36, 79);
    p.moveTo(64, 21);
    p.lineTo(64, 79);
    return p;
}

QPainterPath Cancer()
{
    QPainterPath p;
    p.addEllipse(QPointF(28, 38), 12, 12);
    p.moveTo(28, 26);
    p.cubicTo(50, 12, 80, 14, 92, 34);
    p.addEllipse(QPointF(72, 62), 12, 12);
    p.moveTo(72, 74);
    p.cubicTo(50, 88, 20, 86, 8, 66);
    return p;
}

QPainterPath Leo()
{
    QPainterPath p;
    p.addEllipse(QPointF(27, 64), 13, 13);
    p.moveTo(39, 58);
    p.cubicTo(30, 40, 28, 10, 56, 10);
    p.cubicTo(84, 10, 82, 42, 66, 62);
    p.cubicTo(56, 76, 62, 92, 80, 88);
    p.cubicTo(86, 86, 90, 82, 92, 76);
    return p;
}

/// The three legs of the "m" that Virgo and Scorpio share; the last leg is
/// left open for the sign's own tail.
void Humps(QPainterPath& p)
{
    p.moveTo(6, 24);
    p.quadTo(16, 16, 18, 30);
    p.lineTo(18, 86);
    p.moveTo(18, 36);
    p.cubicTo(20, 14, 40, 14, 40, 34);
    p.lineTo(40, 86);
    p.moveTo(40, 36);
    p.cubicTo(42, 14, 62, 14, 62, 34);
}

QPainterPath Virgo()
{
    QPainterPath p;
    Humps(p);
    p.lineTo(62, 74);
    p.cubicTo(62, 86, 72, 92, 80, 94);
    p.moveTo(62, 58);
    p.cubicTo(72, 36, 96, 40, 88, 62);
    p.cubicTo(84, 74, 74, 86, 58, 94);
    return p;
}

QPainterPath Libra()
{
    QPainterPath p;
    p.moveTo(8, 84);
    p.lineTo(92, 84);
    p.moveTo(8, 64);
    p.lineTo(32, 64);
    p.cubicTo(16, 46, 24, 16, 50, 16);
    p.cubicTo(76, 16, 84, 46, 68, 64);
    p.lineTo(92, 64);
    return p;
}

QPainterPath Scorpio()
{
    QPainterPath p;
    Humps(p);
    p.lineTo(62, 76);
    p.cubicTo(62, 88, 72, 90, 92, 82);
    p.moveTo(78, 78);
    p.lineTo(92, 82);
    p.lineTo(88, 94);
    return p;
}

QPainterPath Sagittarius()
{
    QPainterPath p;
    p.moveTo(12, 88);
    p.lineTo(88, 12);
    p.moveTo(56, 12);
    p.lineTo(88, 12);
    p.lineTo(88, 44);
    p.moveTo(28, 46);
    p.lineTo(54, 72);
    return p;
}

QPainterPath Capricorn()
{
    QPainterPath p;
    p.moveTo(6, 26);
    p.quadTo(16, 14, 22, 30);
    p.lineTo(34, 76);
    p.lineTo(46, 30);
    p.cubicTo(52, 12, 70, 14, 66, 40);
    p.lineTo(62, 70);
    p.cubicTo(60, 92, 92, 94, 90, 72);
    p.cubicTo(88, 54, 64, 56, 62, 72);
    p.cubicTo(58, 90, 46, 96, 34, 90);
    return p;
}

QPainterPath Aquarius()
{
    QPainterPath p;
    for (const double y : {38.0, 66.0}) {
        p.moveTo(8, y);
        p.lineTo(25, y - 12);
        p.lineTo(42, y);
        p.lineTo(59, y - 12);
        p.lineTo(76, y);
        p.lineTo(92, y - 12);
    }
    return p;
}

QPainterPath Pisces()
{
    QPainterPath p;
    p.moveTo(20, 10);
    p.cubicTo(46, 34, 46, 66, 20, 90);
    p.moveTo(80, 10);
    p.cubicTo(54, 34, 54, 66, 80, 90);
    p.moveTo(18, 50);
    p.lineTo(82, 50);
    return p;
}

}  // namespace

QPainterPath SignGlyphPath(int sign)
{
    switch (sign) {
    case 0: return Aries();
    case 1: return Taurus();
    case 2: return Gemini();
    case 3: return Cancer();
    case 4: return Leo();
    case 5: return Virgo();
    case 6: return Libra();
    case 7: return Scorpio();
    case 8: return Sagittarius();
    case 9: return Capricorn();
    case 10: return Aquarius();
    case 11: return Pisces();
    default: return {};
    }
}

}  // namespace zodiora
