#include "fuzz/FuzzChecks.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "cli/ChartOutput.h"
#include "engine/PositionText.h"
#include "engine/SignNames.h"
#include "presentation/RtfWriter.h"
#include "presentation/Utf8.h"

namespace zodiora::fuzz {

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

void CheckText(std::string_view text, bool crAllowed)
{
    Check(ValidUtf8(text) == text, "text is valid UTF-8");
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        Check(byte >= 0x20 || c == '\n' || (crAllowed && c == '\r') || c == '\t', "no raw control character");
    }
}

void CheckRtf(std::string_view rtf)
{
    Check(rtf.starts_with("{\\rtf1") && rtf.ends_with("}\n"), "RTF frame");
    int depth = 0;
    for (std::size_t k = 0; k < rtf.size(); ++k) {
        const auto byte = static_cast<unsigned char>(rtf[k]);
        Check(byte < 0x80 && (byte >= 0x20 || byte == '\n'), "RTF is printable 7-bit ASCII");
        if (rtf[k] == '\\') {
            ++k;  // an escaped brace or backslash, or a control word's first letter
            continue;
        }
        depth += rtf[k] == '{' ? 1 : rtf[k] == '}' ? -1 : 0;
        Check(depth > 0 || k + 2 >= rtf.size(), "RTF groups stay open until the end");
    }
    Check(depth == 0, "RTF groups balance");
}

void CheckChartResult(const ChartResult& result)
{
    const ChartDisplay& display = result.display;
    for (std::size_t k = 0; k < ChartPointCount; ++k) {
        const double longitude = result.chart.longitudes[k];
        Check(std::isfinite(longitude) && longitude >= 0 && longitude < 360, "longitude in [0, 360)");
        const std::string& slot = display.positions[k];
        Check(slot.size() == 9 && slot[2] == ' ' && slot[6] == ' ', "position text DD Sss MM");
        Check(slot.substr(3, 3) == SignAbbreviation(SignOf(longitude)), "position names its sign");
    }
    Check(std::isfinite(result.chart.ayanamsa1900()) && std::isfinite(result.chart.moment.hours), "no NaN");
    Check(display.sunSign == SignNames[static_cast<std::size_t>(SignOf(result.chart.longitude(Body::Sun)))],
          "Sun sign");
    Check(display.lagna.starts_with(SignNames[static_cast<std::size_t>(display.rotation)]), "lagna is house 1");
    Check(!display.rashi.empty() && display.glyphs.has_value(), "Moon sign and glyphs");
    Check(result.report.size() == 110, "report of 110 pieces");
    const std::string report = PlainText(result.report);
    CheckText(report, true);
    CheckRtf(PlainTextToRtf(report));

    std::ostringstream text;
    cli::WriteChartText(text, result);
    CheckText(text.str(), false);
    std::size_t lines = 0;
    for (const char c : text.str()) lines += c == '\n';
    Check(lines == 39, "chart text of 39 lines");
    const std::string json = cli::ChartJson(result).dump();
    Check(nlohmann::json::parse(json)["details"]["city"] == display.details.city, "JSON keeps the city");
}

}  // namespace zodiora::fuzz
