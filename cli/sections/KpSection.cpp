// --with kp: every point's KP star, sub and sub-sub lord.
#include "cli/BodyKeys.h"
#include "cli/sections/Section.h"
#include "engine/PositionText.h"
#include "vedic/KpLords.h"

namespace zodiora::cli {

namespace {

using vedic::DashaLordName;

// "kp": {"Sun": {"star": "Venus", "sub": "Ketu", "subSub": "Moon"}, …}
void AppendJson(JsonWriter& json, const SectionContext& context)
{
    json.key("kp");
    std::string& out = json.rawValue();
    for (std::size_t k = 0; k < PointCount; ++k) {
        const vedic::KpLords lords = vedic::KpLordsOf(context.result.chart.longitudes[k]);
        out.append(BodyMemberKeys()[k]);
        out.append(R"({"star":")").append(DashaLordName(lords.star));
        out.append(R"(","sub":")").append(DashaLordName(lords.sub));
        out.append(R"(","subSub":")").append(DashaLordName(lords.subSub)).append("\"}");
    }
    out.push_back('}');
}

void Padded(std::string& out, std::string_view text, std::size_t width)
{
    out.append(text);
    if (text.size() < width) out.append(width - text.size(), ' ');
}

void AppendText(std::string& out, const SectionContext& context)
{
    out.append("\nKP lords (position, star lord, sub lord, sub-sub lord)\n");
    for (const Body body : AllPoints) {
        const double longitude = context.result.chart.longitude(body);
        const vedic::KpLords lords = vedic::KpLordsOf(longitude);
        out.append("  ");
        Padded(out, NameOf(body), 10);
        Padded(out, ShortPositionText(longitude), 11);
        Padded(out, DashaLordName(lords.star), 9);
        Padded(out, DashaLordName(lords.sub), 9);
        out.append(DashaLordName(lords.subSub));
        out.push_back('\n');
    }
}

// Sun_star, Sun_sub, Sun_subSub, … Ketu_subSub.
void AppendCsvHeader(std::string& out)
{
    for (const Body body : AllPoints) {
        for (const std::string_view column : {"_star", "_sub", "_subSub"}) {
            out.push_back(',');
            out.append(NameOf(body)).append(column);
        }
    }
}

void AppendCsvRow(std::string& out, const SectionContext& context)
{
    for (std::size_t k = 0; k < PointCount; ++k) {
        const vedic::KpLords lords = vedic::KpLordsOf(context.result.chart.longitudes[k]);
        for (const vedic::DashaLord lord : {lords.star, lords.sub, lords.subSub}) {
            out.push_back(',');
            out.append(DashaLordName(lord));
        }
    }
}

}  // namespace

extern const OutputSection KpSection{"kp", "KP star, sub and sub-sub lords", AppendJson, AppendText, AppendCsvHeader, AppendCsvRow};

}  // namespace zodiora::cli
