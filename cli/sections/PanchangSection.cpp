// --with panchang: tithi, vara, nakshatra, yoga and karana at birth with
// the moments they end, and the day's sunrise and sunset, on the birth's clock.
#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "cli/MomentText.h"
#include "cli/sections/Section.h"
#include "panchang/Panchang.h"
#include "panchang/PanchangLimbs.h"
#include "vedic/Nakshatra.h"

namespace zodiora::cli {

namespace panchang_section {

using namespace panchang;

// One limb's texts, as every output form writes them.
struct LimbTexts {
    std::string_view key;    ///< "tithi"
    std::string_view title;  ///< "Tithi"
    int number = 0;
    std::string name;
    std::string ends;
};

struct PanchangTexts {
    std::optional<Panchang> panchang;
    std::array<LimbTexts, 4> limbs;  ///< tithi, nakshatra, yoga, karana
    std::string sunrise;             ///< empty with no sunrise
    std::string sunset;
};

PanchangTexts TextsOf(const SectionContext& context)
{
    PanchangTexts texts;
    texts.panchang = PanchangOf(context.result.chart);
    if (!texts.panchang) return texts;
    const Panchang& p = *texts.panchang;
    const int offset = UtcOffsetSeconds(context.result.birth);
    texts.limbs = {{
        {"tithi", "Tithi", p.tithi.number, TithiName(p.tithi.number), LocalIsoTime(p.tithi.endJd, offset)},
        {"nakshatra", "Nakshatra", p.nakshatra.number, std::string(vedic::NakshatraName(p.nakshatra.number - 1)),
         LocalIsoTime(p.nakshatra.endJd, offset)},
        {"yoga", "Yoga", p.yoga.number, std::string(YogaName(p.yoga.number)), LocalIsoTime(p.yoga.endJd, offset)},
        {"karana", "Karana", p.karana.number, std::string(KaranaName(p.karana.number)),
         LocalIsoTime(p.karana.endJd, offset)},
    }};
    if (p.sunrise == precise::SunriseOutcome::Found) {
        texts.sunrise = LocalIsoTime(p.sunriseJd, offset);
        texts.sunset = LocalIsoTime(p.sunsetJd, offset);
    }
    return texts;
}

void Limb(JsonWriter& json, const LimbTexts& limb, std::optional<std::string_view> paksha = {})
{
    json.key(limb.key);
    json.beginObject();
    json.key("number");
    json.integer(limb.number);
    json.key("name");
    json.plainText(limb.name);
    if (paksha) {
        json.key("paksha");
        json.plainText(*paksha);
    }
    json.key("ends");
    json.plainText(limb.ends);
    json.endObject();
}

void TimeOrNull(JsonWriter& json, std::string_view key, const std::string& time)
{
    json.key(key);
    if (time.empty()) {
        json.null();
    } else {
        json.plainText(time);
    }
}

// "panchang": {"tithi": {...}, "vara": {...}, "nakshatra": {...}, "yoga": {...},
// "karana": {...}, "sunrise": "...", "sunset": "..."}; null where the
// ephemeris refuses the date; vara, sunrise and sunset null with no sunrise.
void AppendJson(JsonWriter& json, const SectionContext& context)
{
    const PanchangTexts texts = TextsOf(context);
    json.key("panchang");
    if (!texts.panchang) {
        json.null();
        return;
    }
    json.beginObject();
    Limb(json, texts.limbs[0], PakshaName(PakshaOf(texts.panchang->tithi.number)));
    json.key("vara");
    if (texts.panchang->vara == 0) {
        json.null();
    } else {
        json.beginObject();
        json.key("number");
        json.integer(texts.panchang->vara);
        json.key("name");
        json.plainText(VaraName(texts.panchang->vara));
        json.key("lord");
        json.plainText(vedic::GrahaName(VaraLord(texts.panchang->vara)));
        json.endObject();
    }
    for (std::size_t k = 1; k < texts.limbs.size(); ++k) Limb(json, texts.limbs[k]);
    TimeOrNull(json, "sunrise", texts.sunrise);
    TimeOrNull(json, "sunset", texts.sunset);
    json.endObject();
}

void AppendText(std::string& out, const SectionContext& context, const TextWords& words)
{
    const PanchangTexts texts = TextsOf(context);
    out.append("\n").append(words.label(
        "Panchang at birth (sunrise: the Hindu rising, centre of the Sun's disc on the horizon, no refraction)"));
    out.push_back('\n');
    if (!texts.panchang) {
        out.append(words.label("  not available: the ephemeris does not reach this date")).push_back('\n');
        return;
    }
    constexpr std::array<vocabulary::Kind, 4> kinds{vocabulary::Kind::Tithi, vocabulary::Kind::Nakshatra,
                                                    vocabulary::Kind::Yoga, vocabulary::Kind::Karana};
    std::array<std::string, 4> names;
    std::size_t nameWidth = 22;
    for (std::size_t k = 0; k < names.size(); ++k) {
        names[k] = words.named(kinds[k], texts.limbs[k].name);
        if (!words.plainEnglish()) nameWidth = std::max(nameWidth, words.width(names[k]) + 2);
    }
    const auto title = [&](std::string_view english) {
        out.append("  ");
        words.pad(out, words.label(english), 11);
    };
    const auto line = [&](std::size_t k) {
        title(texts.limbs[k].title);
        words.pad(out, std::to_string(texts.limbs[k].number), 4);
        words.pad(out, names[k], nameWidth);
        out.append(words.fill("ends {}", {texts.limbs[k].ends})).push_back('\n');
    };
    line(0);
    title("Vara");
    if (texts.panchang->vara == 0) {
        out.append(words.label("-   (no sunrise on this day at this latitude)")).push_back('\n');
    } else {
        words.pad(out, std::to_string(texts.panchang->vara), 4);
        out.append(words.fill("{}, lord {}", {words.label(VaraName(texts.panchang->vara)),
                                              words.body(vedic::GrahaName(VaraLord(texts.panchang->vara)))}));
        out.push_back('\n');
    }
    for (std::size_t k = 1; k < texts.limbs.size(); ++k) line(k);
    title("Sunrise");
    if (texts.sunrise.empty()) {
        out.append(words.label("no sunrise on this day at this latitude")).push_back('\n');
    } else {
        out.append(texts.sunrise).push_back('\n');
        title("Sunset");
        out.append(texts.sunset).push_back('\n');
    }
}

// tithi, tithi_name, tithi_ends, vara, vara_name, vara_lord, nakshatra, …,
// karana_ends, sunrise, sunset; empty fields where nothing is given.
void AppendCsvHeader(std::string& out)
{
    out.append(",tithi,tithi_name,tithi_ends,vara,vara_name,vara_lord");
    for (const std::string_view key : {"nakshatra", "yoga", "karana"}) {
        out.push_back(',');
        out.append(key).append(",").append(key).append("_name,").append(key).append("_ends");
    }
    out.append(",sunrise,sunset");
}

void AppendCsvRow(std::string& out, const SectionContext& context)
{
    const PanchangTexts texts = TextsOf(context);
    if (!texts.panchang) {
        out.append(16, ',');
        return;
    }
    const auto limb = [&](const LimbTexts& l) {
        out.push_back(',');
        out.append(std::to_string(l.number)).append(",").append(l.name).append(",").append(l.ends);
    };
    limb(texts.limbs[0]);
    const int vara = texts.panchang->vara;
    if (vara == 0) {
        out.append(",,,");
    } else {
        out.append(",").append(std::to_string(vara)).append(",").append(VaraName(vara)).append(",");
        out.append(vedic::GrahaName(VaraLord(vara)));
    }
    for (std::size_t k = 1; k < texts.limbs.size(); ++k) limb(texts.limbs[k]);
    out.append(",").append(texts.sunrise).append(",").append(texts.sunset);
}

}  // namespace panchang_section

extern const OutputSection PanchangSection{"panchang",
                                           "tithi, vara, nakshatra, yoga and karana at birth with their ends, "
                                           "sunrise and sunset",
                                           panchang_section::AppendJson, panchang_section::AppendText, panchang_section::AppendCsvHeader, panchang_section::AppendCsvRow};

}  // namespace zodiora::cli
