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

void AppendDateAndMinute(std::string& text, const UtcDateTime& utc, char between)
{
    AppendDigits(text, utc.year, 4);
    text.push_back('-');
    AppendDigits(text, utc.month, 2);
    text.push_back('-');
    AppendDigits(text, utc.day, 2);
    text.push_back(between);
    AppendDigits(text, utc.hour, 2);
    text.push_back(':');
    AppendDigits(text, utc.minute, 2);
}

}  // namespace

void AppendUniversalMinuteText(std::string& out, const UtcDateTime& utc)
{
    AppendDateAndMinute(out, utc, ' ');
}

void AppendIsoUtcText(std::string& out, const UtcDateTime& utc)
{
    AppendDateAndMinute(out, utc, 'T');
    out.push_back(':');
    AppendDigits(out, utc.second, 2);
    out.push_back('Z');
}

std::string UniversalMinuteText(const UtcDateTime& utc)
{
    std::string text;
    AppendUniversalMinuteText(text, utc);
    return text;
}

std::string IsoUtcText(const UtcDateTime& utc)
{
    std::string text;
    AppendIsoUtcText(text, utc);
    return text;
}

}  // namespace zodiora::cli
