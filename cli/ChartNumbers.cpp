#include "cli/ChartNumbers.h"

#include <cstdio>

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

std::string UniversalMinuteText(const UtcDateTime& utc)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d", utc.year, utc.month, utc.day, utc.hour,
                  utc.minute);
    return buffer;
}

std::string IsoUtcText(const UtcDateTime& utc)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02dZ", utc.year, utc.month, utc.day, utc.hour,
                  utc.minute, utc.second);
    return buffer;
}

}  // namespace zodiora::cli
