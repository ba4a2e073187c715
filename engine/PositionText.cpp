#include "engine/PositionText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "birthdata/Text.h"

namespace zodiora {

namespace {

constexpr std::string_view DegreeSign = "\xC2\xB0";  // U+00B0 in UTF-8

}  // namespace

std::string_view SignAbbreviation(int k)
{
    if (k < 0 || k >= 12) {
        return {};
    }
    return SignAbbreviations.substr(static_cast<std::size_t>(k) * 3, 3);
}

void AppendLongPositionText(std::string& out, double degrees)
{
    // Put together on the stack and appended once: a chart line has some
    // twenty of these texts, and seven small appends each cost more.
    char text[LongPositionRoom];
    out.append(text, PutLongPositionText(text, degrees));
}

char* PutLongPositionText(char* at, double degrees, std::string_view secondsMark)
{
    const double a = std::fabs(degrees);
    const double whole = std::floor(a);
    const double m = 60.0 * (a - whole);
    const double minutes = std::floor(m);
    const double seconds = std::floor(60.0 * (m - minutes));
    long long deg = static_cast<long long>(whole);
    const long long k = deg / 30;
    deg -= 30 * k;

    const auto put = [&](std::string_view piece) { at = std::copy(piece.begin(), piece.end(), at); };
    const auto number = [&](long long value) { at = std::to_chars(at, at + 20, value).ptr; };
    number(deg);
    put(DegreeSign);
    put(" ");
    number(static_cast<long long>(minutes));
    put("' ");
    number(static_cast<long long>(seconds));
    put(secondsMark.substr(0, 2));
    put(" ");
    put(SignAbbreviation(k < 12 ? static_cast<int>(k) : 12));
    return at;
}

std::string LongPositionText(double degrees)
{
    std::string text;
    AppendLongPositionText(text, degrees);
    return text;
}

std::string ShortPositionText(std::string_view longText)
{
    constexpr auto trim = TrimBlanks;
    const std::string_view t = trim(longText);
    const std::size_t degreeAt = t.find(DegreeSign);
    const std::string_view before = degreeAt == std::string_view::npos ? t : t.substr(0, degreeAt);
    const std::size_t afterDegree = degreeAt == std::string_view::npos ? t.size() : degreeAt + DegreeSign.size();
    const std::size_t quoteAt = t.find('\'', afterDegree);
    const std::string_view between =
        afterDegree >= t.size() ? std::string_view{}
                                : t.substr(afterDegree, quoteAt == std::string_view::npos ? std::string_view::npos
                                                                                          : quoteAt - afterDegree);
    std::string_view sign = t.size() >= 3 ? t.substr(t.size() - 3) : t;
    sign = trim(sign);

    std::string degreePart{trim(before)};
    std::string minutePart{trim(between)};
    if (degreePart.size() <= 1) degreePart.insert(degreePart.begin(), '0');
    if (minutePart.size() <= 1) minutePart.insert(minutePart.begin(), '0');

    std::string text;
    text.reserve(degreePart.size() + sign.size() + minutePart.size() + 2);
    text.append(degreePart).append(" ").append(sign).append(" ").append(minutePart);
    return text;
}

std::string ShortPositionText(double degrees)
{
    std::string text;
    AssignShortPositionText(text, degrees);
    return text;
}

void AssignShortPositionText(std::string& out, double degrees)
{
    if (!(degrees > -360.0 && degrees < 360.0)) {
        out = ShortPositionText(LongPositionText(degrees));
        return;
    }
    // What the line above gives, without making and reading back the long
    // text: a position table makes eleven of these per chart.
    const double a = std::fabs(degrees);
    const double whole = std::floor(a);
    const auto minutes = static_cast<int>(std::floor(60.0 * (a - whole)));
    const auto deg = static_cast<int>(whole);
    const std::string_view sign = SignAbbreviation(deg / 30);
    const int inSign = deg % 30;
    const char text[9] = {static_cast<char>('0' + inSign / 10), static_cast<char>('0' + inSign % 10), ' ',
                          sign[0], sign[1], sign[2], ' ',
                          static_cast<char>('0' + minutes / 10), static_cast<char>('0' + minutes % 10)};
    out.assign(text, sizeof text);
}

}  // namespace zodiora
