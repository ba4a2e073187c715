#include "cli/TextWords.h"

#include <array>
#include <utility>

#include "engine/Body.h"
#include "engine/PositionText.h"
#include "presentation/Phrases.h"
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
    {"Planets in Signs", "राशियों में ग्रह"},
    {"(R)", "(व)"},  // vakri, retrograde
    // The --with sections, --transit, the deeper dasha levels. "{}" stands
    // for a value filled in by fill(), where Hindi puts it elsewhere.
    {"Vargas ({} rules; * vargottama: the same sign in D1 and D9)",
     "षोडश वर्ग ({} नियम; * वर्गोत्तम: D1 और D9 में एक ही राशि)"},
    {"Parashara", "पराशर"},
    {"Parivritti", "परिवृत्ति"},
    {"KP lords (position, star lord, sub lord, sub-sub lord)",
     "केपी स्वामी (स्पष्ट, नक्षत्र स्वामी, उप स्वामी, उप-उप स्वामी)"},
    {"Dignity (BPHS ch. 3), combustion (Surya Siddhanta) and aspects (houses from the planet)",
     "ग्रह गरिमा (बृ. पा. हो. शा. अ. 3), अस्त (सूर्य सिद्धान्त) और दृष्टि (ग्रह से भाव)"},
    {"exalted", "उच्च"},
    {"debilitated", "नीच"},
    {"moolatrikona", "मूलत्रिकोण"},
    {"own", "स्वगृही"},
    {"great-friend", "अधिमित्र"},
    {"friend", "मित्र"},
    {"neutral", "सम"},
    {"enemy", "शत्रु"},
    {"great-enemy", "अधिशत्रु"},
    {"{}° from the Sun", "सूर्य से {}°"},
    {"combust", "अस्त"},
    {"retrograde", "वक्री"},
    {"aspects", "दृष्टि"},
    {"Ashtakavarga ({})", "अष्टकवर्ग ({})"},
    {"P.V.R. Narasimha Rao, Vedic Astrology: An Integrated Approach",
     "पी. वी. आर. नरसिंह राव, वैदिक ज्योतिष: एक समन्वित दृष्टिकोण"},
    {"B.V. Raman, Ashtakavarga System of Prediction", "बी. वी. रमन, अष्टकवर्ग फलादेश पद्धति"},
    {"total", "कुल"},
    {"Sarva", "सर्व"},
    {"Lagna", "लग्न"},
    {"Shadbala in virupas (BPHS ch. 27; B.V. Raman, Graha and Bhava Balas, and his minimum in rupas)",
     "षड्बल, विरूपों में (बृ. पा. हो. शा. अ. 27; बी. वी. रमन, ग्रह और भाव बल; उनका न्यूनतम रूपों में)"},
    {"  not available: the Sun neither rises nor sets on the birth day at this place",
     "  उपलब्ध नहीं: इस स्थान पर जन्म के दिन सूर्य न उदय होता है न अस्त"},
    {"planet", "ग्रह"},
    {"sthana", "स्थान"},
    {"dig", "दिक्"},
    {"kala", "काल"},
    {"chesta", "चेष्टा"},
    {"natural", "नैसर्गिक"},
    {"drik", "दृक्"},
    {"rupas", "रूप"},
    {"least", "न्यूनतम"},
    {"ratio", "अनुपात"},
    {"Birth-time margins (birth time within {} min either way; ! changes within it)",
     "जन्म समय की सीमाएँ (जन्म समय {} मिनट आगे-पीछे; ! इसके भीतर बदलता है)"},
    {"Fact", "तथ्य"},
    {"Value", "मान"},
    {"Holds from", "कब से"},
    {"Until", "कब तक"},
    {"Nearer edge", "निकटतर सीमा"},
    {"over 3 days before", "3 दिन से अधिक पहले"},
    {"over 3 days after", "3 दिन से अधिक बाद"},
    {"Lagna sign", "लग्न राशि"},
    {"Lagna nakshatra", "लग्न नक्षत्र"},
    {"Moon sign", "चन्द्र राशि"},
    {"Moon nakshatra", "चन्द्र नक्षत्र"},
    {"Navamsa Lagna", "नवांश लग्न"},
    {"Tithi", "तिथि"},
    {"{} changes {} earlier: {} before {}", "{0} {1} पहले बदलता है: {3} से पहले {2}"},
    {"{} changes {} later: {} from {}", "{0} {1} बाद बदलता है: {3} से {2}"},
    {"{} s", "{} सेकंड"},
    {"{} min", "{} मिनट"},
    {"{} h {} min", "{} घंटे {} मिनट"},
    {"  Classic ephemeris: {} lies {}' from a {} edge, within the method's {}' error; "
     "--ephemeris precise settles its side",
     "  पारम्परिक ग्रह सारणी: {0} {2} की सीमा से {1}' पर है, विधि की {3}' त्रुटि के भीतर; "
     "--ephemeris precise से पक्ष तय होता है"},
    {"sign", "राशि"},
    {"nakshatra", "नक्षत्र"},
    {"navamsa", "नवांश"},
    {"  {} retrograde from {} to {} (retrograde at birth)", "  {} वक्री {} से {} तक (जन्म के समय वक्री)"},
    {"  {} retrograde from {} to {} (a station within 3 days of the birth)",
     "  {} वक्री {} से {} तक (जन्म के 3 दिन के भीतर स्तम्भन)"},
    {"Panchang at birth (sunrise: the Hindu rising, centre of the Sun's disc on the horizon, no refraction)",
     "जन्म के समय पंचांग (सूर्योदय: हिन्दू उदय, सूर्य बिम्ब का केन्द्र क्षितिज पर, अपवर्तन रहित)"},
    {"  not available: the ephemeris does not reach this date",
     "  उपलब्ध नहीं: ग्रह सारणी इस दिनांक तक नहीं पहुँचती"},
    {"Vara", "वार"},
    {"Nakshatra", "नक्षत्र"},
    {"Yoga", "योग"},
    {"Karana", "करण"},
    {"Sunrise", "सूर्योदय"},
    {"Sunset", "सूर्यास्त"},
    {"ends {}", "समाप्ति {}"},
    {"{}, lord {}", "{}, स्वामी {}"},
    {"-   (no sunrise on this day at this latitude)", "-   (इस अक्षांश पर इस दिन सूर्योदय नहीं)"},
    {"no sunrise on this day at this latitude", "इस अक्षांश पर इस दिन सूर्योदय नहीं"},
    {"Sunday", "रविवार"},
    {"Monday", "सोमवार"},
    {"Tuesday", "मंगलवार"},
    {"Wednesday", "बुधवार"},
    {"Thursday", "गुरुवार"},
    {"Friday", "शुक्रवार"},
    {"Saturday", "शनिवार"},
    {"Transits: not available for this moment", "गोचर: इस क्षण के लिए उपलब्ध नहीं"},
    {"Transits at {} (position, nakshatra, house from the natal Lagna and from the natal Moon)",
     "गोचर, {} (स्पष्ट, नक्षत्र, जन्म लग्न से भाव और जन्म चन्द्र से भाव)"},
    {"R", "व"},
    {"Running dasha: {} mahadasha {} to {}, {} antardasha {} to {}",
     "चालू दशा: {} महादशा {} से {} तक, {} अन्तर्दशा {} से {} तक"},
    {"Sade Sati (Saturn in the 12th, 1st and 2nd signs from the natal Moon), birth to 100 years: {}",
     "साढ़ेसाती (जन्म चन्द्र से 12वीं, पहली और दूसरी राशि में शनि), जन्म से 100 वर्ष तक: {}"},
    {"running, {}", "चालू, {}"},
    {"not running", "चालू नहीं"},
    {"rising", "प्रथम चरण"},
    {"peak", "मध्य चरण"},
    {"setting", "अन्तिम चरण"},
    {"  {} to {}  {}", "  {} से {} तक  {}"},
    {"{} to {}", "{} से {} तक"},
    {"Dasha periods running on {} (at noon, birth clock)", "{} को चालू दशाएँ (मध्याह्न, जन्म की घड़ी से)"},
    {"Boy:", "वर:"},
    {"Girl:", "कन्या:"},
    {"Moon in {} pada {}, {}", "चन्द्र {} नक्षत्र के पद {} में, {} राशि"},
    {"Guna Milan (Ashtakoota)", "गुण मिलान (अष्टकूट)"},
    {"Koota", "कूट"},
    {"Points", "गुण"},
    {"Reason", "कारण"},
    {"Total", "कुल"},
    {"Cancellations (listed, not counted):", "परिहार (सूचित, गिने नहीं गए):"},
    {"none", "कोई नहीं"},
    {"Kuja (Manglik) dosha: Mars in the 1st, 2nd, 4th, 7th, 8th or 12th from the Lagna, Moon or Venus",
     "कुज (मांगलिक) दोष: लग्न, चन्द्र या शुक्र से 1, 2, 4, 7, 8 या 12वें भाव में मंगल"},
    {"        from {}: ", "        {} से: "},
    {"        from the {}: ", "        {} से: "},
    {"no exception", "कोई अपवाद नहीं"},
    {"  Both charts are Manglik: the doshas match each other.", "  दोनों कुण्डलियाँ मांगलिक: दोष परस्पर मेल खाते हैं।"},
    {"  none: the date is before birth or past the periods listed",
     "  कोई नहीं: दिनांक जन्म से पहले या सूची की दशाओं के बाद है"},
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

PhraseTable TextPhrases(Language language)
{
    if (language == Language::Hindi) return HindiLabels;
    return {};
}

std::string_view TextWords::label(std::string_view english) const
{
    return Phrasebook{style.language, TextPhrases(style.language)}(english);
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

std::string TextWords::named(Kind kind, std::string_view english) const
{
    if (plainEnglish()) return std::string(english);
    const int index = EnglishIndex(kind, english);
    return index < 0 ? std::string(english) : vocabulary::ShownName(style, kind, index);
}

std::string TextWords::signShort(int index) const
{
    if (style.language == Language::English) return std::string(SignAbbreviation(index));
    return std::string(vocabulary::Name(style.language, Kind::Sign, index));
}

std::size_t TextWords::width(std::string_view text) const
{
    return plainEnglish() ? text.size() : TextColumns(text);
}

void TextWords::pad(std::string& out, std::string_view text, std::size_t columns) const
{
    out.append(text);
    const std::size_t used = width(text);
    if (used < columns) out.append(columns - used, ' ');
}

void TextWords::padLeft(std::string& out, std::string_view text, std::size_t columns) const
{
    const std::size_t used = width(text);
    if (used < columns) out.append(columns - used, ' ');
    out.append(text);
}

std::string TextWords::fill(std::string_view english, std::initializer_list<std::string_view> values) const
{
    return FillPattern(label(english), values);
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
