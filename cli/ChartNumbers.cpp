#include "cli/ChartNumbers.h"

#include "engine/PositionText.h"

namespace zodiora::cli {

int SignNumber(const ChartResult& result, Body body)
{
    return SignOf(result.chart.longitude(body)) + 1;
}

int HouseNumber(const ChartResult& result, Body body)
{
    const int sign = SignOf(result.chart.longitude(body));
    return sign < 0 ? 0 : (sign - result.display.rotation + 12) % 12 + 1;
}

namespace {

// Zero-padded digits; these texts are made for every chart of a batch, where
// a printf per field would show in the profile.
void AppendDigits(std::string& out, int value, int width)
{
    char digits[12];
    for (int k = width - 1; k >= 0; --k) {
        digits[k] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(digits, static_cast<std::size_t>(width));
}

std::string DateAndMinute(const UtcDateTime& utc, char between)
{
    std::string text;
    text.reserve(20);
    AppendDigits(text, utc.year, 4);
    text.push_back('-');
    AppendDigits(text, utc.month, 2);
    text.push_back('-');
    AppendDigits(text, utc.day, 2);
    text.push_back(between);
    AppendDigits(text, utc.hour, 2);
    text.push_back(':');
    AppendDigits(text, utc.minute, 2);
    return text;
}

}  // namespace

std::string UniversalMinuteText(const UtcDateTime& utc)
{
    return DateAndMinute(utc, ' ');
}

std::string IsoUtcText(const UtcDateTime& utc)
{
    std::string text = DateAndMinute(utc, 'T');
    text.push_back(':');
    AppendDigits(text, utc.second, 2);
    text.push_back('Z');
    return text;
}

}  // namespace zodiora::cli
