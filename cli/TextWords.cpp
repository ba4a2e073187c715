#include "cli/TextWords.h"

#include <array>
#include <utility>

#include "engine/Body.h"
#include "engine/PositionText.h"
#include "presentation/Utf8.h"

namespace zodiora::cli {

namespace {

using vocabulary::Kind;
using vocabulary::Language;

// The text output's headings and labels in Hindi, by their English text.
constexpr std::pair<std::string_view, std::string_view> HindiLabels[] = {
    {"Chart of", "जन्म कुण्डली:"},
    {"Date of Birth", "जन्म तिथि"},
    {"Time of Birth", "जन्म समय"},
    {"Longitude", "रेखांश"},
    {"Latitude", "अक्षांश"},
    {"City", "नगर"},
    {"State", "राज्य"},
    {"Country", "देश"},
    {"Lagna (Ascendant)", "लग्न"},
    {"Sun Sign", "सूर्य राशि"},
    {"Moon Sign (Rashi)", "चन्द्र राशि"},
    {"Planetary Positions (sidereal)", "ग्रह स्पष्ट (निरयण)"},
    {"Houses (whole signs; house 1 holds the Ascendant)", "भाव (सम्पूर्ण राशि; प्रथम भाव में लग्न)"},
    {"Nakshatras (position, nakshatra, pada, lord)", "नक्षत्र (स्पष्ट, नक्षत्र, पद, स्वामी)"},
    {"Navamsa (D9)", "नवांश (D9)"},
    {"Vimshottari Dasha (balance at birth:", "विंशोत्तरी दशा (जन्म के समय शेष:"},
    {"years)", "वर्ष)"},
    {"to", "से"},
    {"Planets in Signs", "राशियों में ग्रह"},
    {"(R)", "(व)"},  // vakri, retrograde
};

constexpr std::array<std::string_view, 12> HindiMonths{"जनवरी", "फ़रवरी", "मार्च",  "अप्रैल",  "मई",   "जून",
                                                      "जुलाई", "अगस्त", "सितम्बर", "अक्टूबर", "नवम्बर", "दिसम्बर"};

constexpr std::pair<char, std::string_view> HindiDirections[] = {
    {'E', "पूर्व"}, {'W', "पश्चिम"}, {'N', "उत्तर"}, {'S', "दक्षिण"}};

/// Index in `kind`'s English list of `english`, or -1; the wheel's "Asc" is the Ascendant.
int EnglishIndex(Kind kind, std::string_view english)
{
    if (kind == Kind::Planet && english == "Asc") return static_cast<int>(Body::Ascendant);
    const auto names = vocabulary::Names(Language::English, kind);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == english) return static_cast<int>(i);
    }
    return -1;
}

std::string Shown(vocabulary::NameStyle style, Kind kind, std::string_view english)
{
    const int index = EnglishIndex(kind, english);
    return index < 0 ? std::string(english) : vocabulary::ShownName(style, kind, index);
}

}  // namespace

std::string_view TextWords::label(std::string_view english) const
{
    if (style.language != Language::Hindi) return english;
    for (const auto& [from, to] : HindiLabels) {
        if (from == english) return to;
    }
    return english;
}

std::string TextWords::body(std::string_view english) const
{
    if (plainEnglish()) return std::string(english);
    // "Jupiter (R) ": the name, then the retrograde mark, then blanks kept as they were.
    std::string_view name = english;
    std::size_t trailing = 0;
    while (!name.empty() && name.back() == ' ') {
        name.remove_suffix(1);
        ++trailing;
    }
    constexpr std::string_view mark = " (R)";
    const bool retrograde = name.size() > mark.size() && name.substr(name.size() - mark.size()) == mark;
    if (retrograde) name.remove_suffix(mark.size());
    std::string out = Shown(style, Kind::Planet, name);
    if (retrograde) out.append(" ").append(label("(R)"));
    out.append(trailing, ' ');
    return out;
}

std::string TextWords::sign(int index, std::string_view english) const
{
    if (plainEnglish() || english.empty()) return std::string(english);
    const std::string shown = vocabulary::ShownName(style, Kind::Sign, index);
    return shown.empty() ? std::string(english) : shown;
}

std::string TextWords::nakshatra(std::string_view english) const
{
    if (plainEnglish()) return std::string(english);
    const int index = EnglishIndex(Kind::Nakshatra, english);
    return index < 0 ? body(english) : vocabulary::ShownName(style, Kind::Nakshatra, index);
}

std::string TextWords::position(std::string_view english) const
{
    if (plainEnglish()) return std::string(english);
    const std::size_t first = english.find(' ');
    const std::size_t second = first == std::string_view::npos ? first : english.find(' ', first + 1);
    if (second == std::string_view::npos) return std::string(english);
    const std::string_view abbreviation = english.substr(first + 1, second - first - 1);
    for (int k = 0; k < 12; ++k) {
        if (SignAbbreviation(k) == abbreviation) {
            // Sanskrit names beside English ones would not fit the column: the chosen name alone.
            vocabulary::NameStyle alone = style;
            if (alone.sanskrit == vocabulary::Sanskrit::Beside) alone.sanskrit = vocabulary::Sanskrit::Instead;
            return std::string(english.substr(0, first + 1)) + vocabulary::ShownName(alone, Kind::Sign, k) +
                   std::string(english.substr(second));
        }
    }
    return std::string(english);
}

std::string TextWords::coordinate(std::string_view english) const
{
    if (style.language != Language::Hindi || english.empty()) return std::string(english);
    for (const auto& [letter, word] : HindiDirections) {
        if (english.back() == letter) {
            return std::string(english.substr(0, english.size() - 1)) + std::string(word);
        }
    }
    return std::string(english);
}

std::string TextWords::date(const BirthData& birth, std::string_view english) const
{
    if (style.language != Language::Hindi || birth.month < 1 || birth.month > 12) return std::string(english);
    return std::to_string(birth.day) + " " + std::string(HindiMonths[static_cast<std::size_t>(birth.month - 1)]) +
           " " + std::to_string(birth.year);
}

std::size_t TextColumns(std::string_view text)
{
    std::size_t columns = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = DecodeUtf8(text, pos);
        // As wcwidth counts: Devanagari's non-spacing signs (Mn) take no column, its spacing
        // vowel signs (Mc, such as the aa and i signs) take one.
        const bool nonSpacing = (c >= 0x0900 && c <= 0x0902) || c == 0x093A || c == 0x093C ||
                                (c >= 0x0941 && c <= 0x0948) || c == 0x094D || (c >= 0x0951 && c <= 0x0957) ||
                                c == 0x0962 || c == 0x0963;
        if (!nonSpacing && c != 0x200C && c != 0x200D) ++columns;
    }
    return columns;
}

void AppendPadded(std::string& out, std::string_view text, std::size_t columns)
{
    out.append(text);
    const std::size_t used = TextColumns(text);
    if (used < columns) out.append(columns - used, ' ');
}

}  // namespace zodiora::cli
