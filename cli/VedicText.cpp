#include "cli/VedicText.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "birthdata/UniversalTime.h"
#include "cli/DashaOutput.h"
#include "engine/PositionText.h"
#include "engine/SignNames.h"

namespace zodiora::cli {

namespace {

void SpanLine(std::string& out, std::string_view indent, const DashaSpan& span, const TextWords& words,
              std::size_t lordWidth)
{
    out.append(indent);
    AppendPadded(out, words.body(span.lord), lordWidth);
    out.append(words.fill("{} to {}", {span.start, span.end}));
    out.push_back('\n');
}

/// The widest of `texts` plus `gap`, or `least` if wider.
template <typename Texts>
std::size_t ColumnWidth(const Texts& texts, std::size_t least, std::size_t gap)
{
    std::size_t width = least;
    for (const auto& text : texts) width = std::max(width, TextColumns(text) + gap);
    return width;
}

}  // namespace

void AppendVedicText(std::string& out, const ChartResult& result, const VedicDetails& details, int dashaLevels,
                     const TextWords& words)
{
    std::array<std::string, PointCount> bodies;
    std::array<std::string, PointCount> nakshatras;
    std::array<std::string, PointCount> positions;
    for (std::size_t k = 0; k < PointCount; ++k) {
        const NakshatraEntry& entry = details.nakshatras[k];
        bodies[k] = words.body(NameOf(entry.body));
        nakshatras[k] = words.nakshatra(entry.name);
        positions[k] = words.position(ShortPositionText(result.chart.longitude(entry.body)));
    }
    const std::size_t bodyWidth = ColumnWidth(bodies, 12, 2);
    const std::size_t nakshatraWidth = ColumnWidth(nakshatras, 19, 2);
    const std::size_t positionWidth = ColumnWidth(positions, 11, 2);
    out.append("\n").append(words.label("Nakshatras (position, nakshatra, pada, lord)")).append("\n");
    for (std::size_t k = 0; k < PointCount; ++k) {
        const NakshatraEntry& entry = details.nakshatras[k];
        out.append("  ");
        AppendPadded(out, bodies[k], bodyWidth);
        AppendPadded(out, positions[k], positionWidth);
        AppendPadded(out, nakshatras[k], nakshatraWidth);
        out.push_back(static_cast<char>('0' + entry.pada));
        out.append("  ");
        out.append(words.body(entry.lord));
        out.push_back('\n');
    }
    out.append("\n").append(words.label("Navamsa (D9)")).append("\n");
    for (const Body body : AllPoints) {
        out.append("  ");
        AppendPadded(out, bodies[IndexOf(body)], bodyWidth);
        const int sign = details.navamsa[IndexOf(body)];
        out.append(words.sign(sign, SignNames[static_cast<std::size_t>(sign)]));
        out.push_back('\n');
    }
    char balance[64];
    std::snprintf(balance, sizeof balance, "%.2f", details.balanceYears);
    out.append("\n").append(words.label("Vimshottari Dasha (balance at birth:")).append(" ");
    out.append(words.body(details.balanceLord));
    out.append(" ");
    out.append(balance);
    out.append(" ").append(words.label("years)")).append("\n");
    if (dashaLevels != 2) {
        AppendDashaPeriodsText(out, result.chart, dashaLevels, UtcOffsetSeconds(result.birth), words);
        return;
    }
    std::vector<std::string> lords;
    for (const DashaMajor& major : details.dasha) {
        lords.push_back(words.body(major.span.lord));
        for (const DashaSpan& sub : major.sub) lords.push_back(words.body(sub.lord));
    }
    const std::size_t lordWidth = ColumnWidth(lords, 10, 3);
    for (const DashaMajor& major : details.dasha) {
        SpanLine(out, "  ", major.span, words, lordWidth);
        for (const DashaSpan& sub : major.sub) SpanLine(out, "      ", sub, words, lordWidth);
    }
}

}  // namespace zodiora::cli
