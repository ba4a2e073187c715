#include "cli/DashaOutput.h"

#include <algorithm>
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

// The lords' column: ten wide, or wider for Sanskrit names beside English ones.
std::size_t LordWidth(const TextWords& words)
{
    std::size_t width = 10;
    for (int l = 0; l < vedic::DashaLordCount; ++l) {
        width = std::max(width, words.width(words.body(vedic::DashaLordName(static_cast<vedic::DashaLord>(l)))) + 2);
    }
    return width;
}

// "2029-10-26 to 2049-10-26".
void AppendSpanText(std::string& out, const std::string& start, const std::string& end, const TextWords& words)
{
    if (words.plainEnglish()) {
        out.append(start).append(" to ").append(end);
    } else {
        out.append(words.fill("{} to {}", {start, end}));
    }
}

void AppendNodesText(std::string& out, const std::vector<vedic::DashaNode>& nodes, DateTexts& dates,
                     const TextWords& words, std::size_t lordWidth)
{
    for (const vedic::DashaNode& node : nodes) {
        out.append(static_cast<std::size_t>(2 + 4 * (node.level - 1)), ' ');
        words.pad(out, words.body(vedic::DashaLordName(node.lord)), lordWidth);
        const std::string start = dates.at(node.startJd);
        AppendSpanText(out, start, dates.at(node.endJd), words);
        out.push_back('\n');
        AppendNodesText(out, node.sub, dates, words, lordWidth);
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

void AppendDashaPeriodsText(std::string& out, const Chart& chart, int levels, int utcOffsetSeconds,
                            const TextWords& words)
{
    DateTexts dates(utcOffsetSeconds);
    AppendNodesText(out, vedic::DashaTree(DashaOf(chart), levels, DaysPerYear(chart.settings.dashaYear)), dates,
                    words, LordWidth(words));
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
                       int utcOffsetSeconds, const TextWords& words)
{
    out.append("\n").append(words.fill("Dasha periods running on {} (at noon, birth clock)", {vedic::IsoDate(date)}));
    out.push_back('\n');
    const std::vector<vedic::DashaNode> running = RunningAt(chart, date, levels, utcOffsetSeconds);
    if (running.empty()) {
        out.append(words.label("  none: the date is before birth or past the periods listed")).push_back('\n');
        return;
    }
    // The level's name from the word tables in Hindi; English keeps the dasha library's own.
    const auto levelName = [&](int level) {
        return words.style.language == vocabulary::Language::English
                   ? std::string(vedic::DashaLevelName(level))
                   : vocabulary::ShownName(words.style, vocabulary::Kind::DashaLevel, level - 1);
    };
    std::size_t levelWidth = 17;
    for (const vedic::DashaNode& node : running) levelWidth = std::max(levelWidth, words.width(levelName(node.level)) + 2);
    const std::size_t lordWidth = LordWidth(words);
    DateTexts dates(utcOffsetSeconds);
    for (const vedic::DashaNode& node : running) {
        out.append("  ");
        words.pad(out, levelName(node.level), levelWidth);
        words.pad(out, words.body(vedic::DashaLordName(node.lord)), lordWidth);
        const std::string start = dates.at(node.startJd);
        AppendSpanText(out, start, dates.at(node.endJd), words);
        out.push_back('\n');
    }
}

}  // namespace zodiora::cli
