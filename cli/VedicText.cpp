#include "cli/VedicText.h"

#include <cstdio>

#include "birthdata/UniversalTime.h"
#include "cli/DashaOutput.h"
#include "engine/PositionText.h"
#include "engine/SignNames.h"

namespace zodiora::cli {

namespace {

void Padded(std::string& out, std::string_view text, std::size_t width)
{
    out.append(text);
    if (text.size() < width) out.append(width - text.size(), ' ');
}

void SpanLine(std::string& out, std::string_view indent, const DashaSpan& span)
{
    out.append(indent);
    Padded(out, span.lord, 10);
    out.append(span.start);
    out.append(" to ");
    out.append(span.end);
    out.push_back('\n');
}

}  // namespace

void AppendVedicText(std::string& out, const ChartResult& result, const VedicDetails& details, int dashaLevels)
{
    out.append("\nNakshatras (position, nakshatra, pada, lord)\n");
    for (const NakshatraEntry& entry : details.nakshatras) {
        out.append("  ");
        Padded(out, NameOf(entry.body), 12);
        Padded(out, ShortPositionText(result.chart.longitude(entry.body)), 11);
        Padded(out, entry.name, 19);
        out.push_back(static_cast<char>('0' + entry.pada));
        out.append("  ");
        out.append(entry.lord);
        out.push_back('\n');
    }
    out.append("\nNavamsa (D9)\n");
    for (const Body body : AllPoints) {
        out.append("  ");
        Padded(out, NameOf(body), 12);
        out.append(SignNames[static_cast<std::size_t>(details.navamsa[IndexOf(body)])]);
        out.push_back('\n');
    }
    char balance[64];
    std::snprintf(balance, sizeof balance, "%.2f", details.balanceYears);
    out.append("\nVimshottari Dasha (balance at birth: ");
    out.append(details.balanceLord);
    out.append(" ");
    out.append(balance);
    out.append(" years)\n");
    if (dashaLevels != 2) {
        AppendDashaPeriodsText(out, result.chart, dashaLevels, UtcOffsetSeconds(result.birth));
        return;
    }
    for (const DashaMajor& major : details.dasha) {
        SpanLine(out, "  ", major.span);
        for (const DashaSpan& sub : major.sub) SpanLine(out, "      ", sub);
    }
}

}  // namespace zodiora::cli
