#include "cli/DashaOutput.h"

#include <vector>

#include "engine/Engine.h"
#include "vedic/DashaLevels.h"

namespace zodiora::cli {

namespace {

vedic::VimshottariDasha DashaOf(const Chart& chart)
{
    return vedic::Vimshottari(chart.longitude(Body::Moon), JulianDayUt(chart.moment),
                              DaysPerYear(chart.settings.dashaYear));
}

// Periods follow one another, so each boundary is converted once and reused
// as the next period's start.
class DateTexts {
public:
    explicit DateTexts(int utcOffsetSeconds) : offset_(utcOffsetSeconds) {}

    const std::string& at(double jd)
    {
        if (jd != lastJd_ || last_.empty()) {
            lastJd_ = jd;
            last_ = vedic::IsoDate(vedic::LocalDate(jd, offset_));
        }
        return last_;
    }

private:
    int offset_;
    double lastJd_ = 0;
    std::string last_;
};

void AppendSpanJson(std::string& out, const vedic::DashaNode& node, DateTexts& dates)
{
    out.append(R"({"lord":")").append(vedic::DashaLordName(node.lord));
    out.append(R"(","start":")").append(dates.at(node.startJd));
    out.append(R"(","end":")").append(dates.at(node.endJd)).push_back('"');
}

void AppendNodesJson(std::string& out, const std::vector<vedic::DashaNode>& nodes, int levels, DateTexts& dates)
{
    out.push_back('[');
    for (const vedic::DashaNode& node : nodes) {
        if (&node != nodes.data()) out.push_back(',');
        AppendSpanJson(out, node, dates);
        if (node.level < levels) {
            out.append(R"(,"sub":)");
            AppendNodesJson(out, node.sub, levels, dates);
        }
        out.push_back('}');
    }
    out.push_back(']');
}

void Padded(std::string& out, std::string_view text, std::size_t width)
{
    out.append(text);
    if (text.size() < width) out.append(width - text.size(), ' ');
}

void AppendNodesText(std::string& out, const std::vector<vedic::DashaNode>& nodes, DateTexts& dates)
{
    for (const vedic::DashaNode& node : nodes) {
        out.append(static_cast<std::size_t>(2 + 4 * (node.level - 1)), ' ');
        Padded(out, vedic::DashaLordName(node.lord), 10);
        out.append(dates.at(node.startJd)).append(" to ").append(dates.at(node.endJd)).push_back('\n');
        AppendNodesText(out, node.sub, dates);
    }
}

std::vector<vedic::DashaNode> RunningAt(const Chart& chart, const vedic::CalendarDate& date, int levels,
                                        int utcOffsetSeconds)
{
    return vedic::DashaPeriodsAt(DashaOf(chart), vedic::LocalNoonJd(date, utcOffsetSeconds), levels,
                                 DaysPerYear(chart.settings.dashaYear));
}

}  // namespace

void AppendDashaPeriodsJson(std::string& out, const Chart& chart, int levels, int utcOffsetSeconds)
{
    DateTexts dates(utcOffsetSeconds);
    AppendNodesJson(out, vedic::DashaTree(DashaOf(chart), levels, DaysPerYear(chart.settings.dashaYear)), levels,
                    dates);
}

void AppendDashaPeriodsText(std::string& out, const Chart& chart, int levels, int utcOffsetSeconds)
{
    DateTexts dates(utcOffsetSeconds);
    AppendNodesText(out, vedic::DashaTree(DashaOf(chart), levels, DaysPerYear(chart.settings.dashaYear)), dates);
}

void AppendDashaAtJson(JsonWriter& json, const Chart& chart, const vedic::CalendarDate& date, int levels,
                       int utcOffsetSeconds)
{
    DateTexts dates(utcOffsetSeconds);
    json.key("dashaAt");
    json.beginObject();
    json.key("date");
    json.plainText(vedic::IsoDate(date));
    json.key("periods");
    json.beginArray();
    for (const vedic::DashaNode& node : RunningAt(chart, date, levels, utcOffsetSeconds)) {
        json.beginObject();
        json.key("level");
        json.integer(node.level);
        json.key("lord");
        json.plainText(vedic::DashaLordName(node.lord));
        json.key("start");
        json.plainText(dates.at(node.startJd));
        json.key("end");
        json.plainText(dates.at(node.endJd));
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

void AppendDashaAtText(std::string& out, const Chart& chart, const vedic::CalendarDate& date, int levels,
                       int utcOffsetSeconds)
{
    out.append("\nDasha periods running on ").append(vedic::IsoDate(date)).append(" (at noon, birth clock)\n");
    const std::vector<vedic::DashaNode> running = RunningAt(chart, date, levels, utcOffsetSeconds);
    if (running.empty()) {
        out.append("  none: the date is before birth or past the periods listed\n");
        return;
    }
    DateTexts dates(utcOffsetSeconds);
    for (const vedic::DashaNode& node : running) {
        out.append("  ");
        Padded(out, vedic::DashaLevelName(node.level), 17);
        Padded(out, vedic::DashaLordName(node.lord), 10);
        out.append(dates.at(node.startJd)).append(" to ").append(dates.at(node.endJd)).push_back('\n');
    }
}

}  // namespace zodiora::cli
