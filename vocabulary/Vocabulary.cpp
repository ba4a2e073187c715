#include "vocabulary/Vocabulary.h"

#include <array>

namespace zodiora::vocabulary {

namespace {

using Names12 = std::array<std::string_view, 12>;

// English. Names that have no everyday English word (nakshatras, tithis,
// yogas, karanas, vargas, dasha levels) are the usual Latin spellings.
constexpr Names12 EnglishSigns{"Aries", "Taurus",      "Gemini",    "Cancer",   "Leo",      "Virgo",
                               "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
constexpr std::array<std::string_view, 13> EnglishPlanets{
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto", "Ascendant",
    "Rahu", "Ketu"};
constexpr std::array<std::string_view, 27> EnglishNakshatras{
    "Ashwini",          "Bharani",       "Krittika",        "Rohini",          "Mrigashira",
    "Ardra",            "Punarvasu",     "Pushya",          "Ashlesha",        "Magha",
    "Purva Phalguni",   "Uttara Phalguni", "Hasta",         "Chitra",          "Swati",
    "Vishakha",         "Anuradha",      "Jyeshtha",        "Mula",            "Purva Ashadha",
    "Uttara Ashadha",   "Shravana",      "Dhanishta",       "Shatabhisha",     "Purva Bhadrapada",
    "Uttara Bhadrapada", "Revati"};
constexpr std::array<std::string_view, 30> EnglishTithis{
    "Shukla Pratipada", "Shukla Dwitiya",    "Shukla Tritiya",     "Shukla Chaturthi",    "Shukla Panchami",
    "Shukla Shashthi",  "Shukla Saptami",    "Shukla Ashtami",     "Shukla Navami",       "Shukla Dashami",
    "Shukla Ekadashi",  "Shukla Dwadashi",   "Shukla Trayodashi",  "Shukla Chaturdashi",  "Purnima",
    "Krishna Pratipada", "Krishna Dwitiya",  "Krishna Tritiya",    "Krishna Chaturthi",   "Krishna Panchami",
    "Krishna Shashthi", "Krishna Saptami",   "Krishna Ashtami",    "Krishna Navami",      "Krishna Dashami",
    "Krishna Ekadashi", "Krishna Dwadashi",  "Krishna Trayodashi", "Krishna Chaturdashi", "Amavasya"};
constexpr std::array<std::string_view, 27> EnglishYogas{
    "Vishkambha", "Priti",  "Ayushman", "Saubhagya", "Shobhana", "Atiganda", "Sukarma",   "Dhriti",  "Shula",
    "Ganda",      "Vriddhi", "Dhruva",  "Vyaghata",  "Harshana", "Vajra",    "Siddhi",    "Vyatipata", "Variyana",
    "Parigha",    "Shiva",  "Siddha",   "Sadhya",    "Shubha",   "Shukla",   "Brahma",    "Indra",   "Vaidhriti"};
constexpr std::array<std::string_view, 11> EnglishKaranas{
    "Bava", "Balava", "Kaulava", "Taitila", "Garaja", "Vanija", "Vishti", "Shakuni", "Chatushpada", "Naga",
    "Kimstughna"};
constexpr std::array<std::string_view, 16> EnglishVargas{
    "Rasi",       "Hora",           "Drekkana",     "Chaturthamsa", "Saptamsa",  "Navamsa",
    "Dasamsa",    "Dwadasamsa",     "Shodasamsa",   "Vimsamsa",     "Chaturvimsamsa", "Nakshatramsa",
    "Trimsamsa",  "Khavedamsa",     "Akshavedamsa", "Shashtyamsa"};
constexpr std::array<std::string_view, 5> EnglishDashaLevels{"Mahadasha", "Antardasha", "Pratyantardasha",
                                                             "Sookshma dasha", "Prana dasha"};
constexpr std::array<std::string_view, 13> EnglishAbbreviations{"Su", "Mo", "Me", "Ve", "Ma", "Ju", "Sa",
                                                                "Ur", "Ne", "Pl", "Asc", "Ra", "Ke"};

// Sanskrit in Latin letters, for English. Uranus, Neptune and Pluto have no
// classical name; Arun, Varun and Yama are the modern Hindi ones.
constexpr Names12 SanskritSigns{"Mesha", "Vrishabha", "Mithuna",  "Karka",    "Simha",  "Kanya",
                                "Tula",  "Vrishchika", "Dhanu",   "Makara",   "Kumbha", "Meena"};
constexpr std::array<std::string_view, 13> SanskritPlanets{
    "Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru", "Shani", "Arun", "Varun", "Yama", "Lagna",
    "Rahu", "Ketu"};

// Hindi (Devanagari).
constexpr Names12 HindiSigns{"मेष", "वृषभ",    "मिथुन", "कर्क", "सिंह",  "कन्या",
                             "तुला", "वृश्चिक", "धनु",   "मकर", "कुम्भ", "मीन"};
constexpr std::array<std::string_view, 13> HindiPlanets{
    "सूर्य", "चन्द्र", "बुध", "शुक्र", "मंगल", "गुरु", "शनि", "अरुण", "वरुण", "यम", "लग्न", "राहु", "केतु"};
constexpr std::array<std::string_view, 27> HindiNakshatras{
    "अश्विनी",   "भरणी",     "कृत्तिका",  "रोहिणी",     "मृगशिरा",      "आर्द्रा",       "पुनर्वसु",
    "पुष्य",     "आश्लेषा",   "मघा",      "पूर्वा फाल्गुनी", "उत्तरा फाल्गुनी", "हस्त",        "चित्रा",
    "स्वाती",    "विशाखा",   "अनुराधा",   "ज्येष्ठा",     "मूल",          "पूर्वाषाढ़ा",     "उत्तराषाढ़ा",
    "श्रवण",     "धनिष्ठा",   "शतभिषा",   "पूर्वा भाद्रपद", "उत्तरा भाद्रपद", "रेवती"};
constexpr std::array<std::string_view, 30> HindiTithis{
    "शुक्ल प्रतिपदा", "शुक्ल द्वितीया", "शुक्ल तृतीया",  "शुक्ल चतुर्थी", "शुक्ल पंचमी",  "शुक्ल षष्ठी",
    "शुक्ल सप्तमी",  "शुक्ल अष्टमी",  "शुक्ल नवमी",   "शुक्ल दशमी",  "शुक्ल एकादशी", "शुक्ल द्वादशी",
    "शुक्ल त्रयोदशी", "शुक्ल चतुर्दशी", "पूर्णिमा",      "कृष्ण प्रतिपदा", "कृष्ण द्वितीया", "कृष्ण तृतीया",
    "कृष्ण चतुर्थी",  "कृष्ण पंचमी",   "कृष्ण षष्ठी",   "कृष्ण सप्तमी", "कृष्ण अष्टमी", "कृष्ण नवमी",
    "कृष्ण दशमी",   "कृष्ण एकादशी", "कृष्ण द्वादशी", "कृष्ण त्रयोदशी", "कृष्ण चतुर्दशी", "अमावस्या"};
constexpr std::array<std::string_view, 27> HindiYogas{
    "विष्कम्भ", "प्रीति", "आयुष्मान", "सौभाग्य", "शोभन", "अतिगण्ड", "सुकर्मा", "धृति",   "शूल",
    "गण्ड",    "वृद्धि", "ध्रुव",    "व्याघात", "हर्षण", "वज्र",    "सिद्धि",  "व्यतीपात", "वरीयान",
    "परिघ",    "शिव",   "सिद्ध",    "साध्य",   "शुभ",  "शुक्ल",   "ब्रह्म",   "इन्द्र",  "वैधृति"};
constexpr std::array<std::string_view, 11> HindiKaranas{
    "बव", "बालव", "कौलव", "तैतिल", "गरज", "वणिज", "विष्टि", "शकुनि", "चतुष्पद", "नाग", "किंस्तुघ्न"};
constexpr std::array<std::string_view, 16> HindiVargas{
    "राशि",    "होरा",       "द्रेष्काण",  "चतुर्थांश", "सप्तांश", "नवांश",   "दशांश",      "द्वादशांश",
    "षोडशांश", "विंशांश",    "चतुर्विंशांश", "नक्षत्रांश", "त्रिंशांश", "खवेदांश", "अक्षवेदांश", "षष्ट्यंश"};
constexpr std::array<std::string_view, 5> HindiDashaLevels{"महादशा", "अन्तर्दशा", "प्रत्यन्तर्दशा", "सूक्ष्म दशा",
                                                           "प्राण दशा"};
// The short labels Hindi charts use: the first letter of each name (Chandra
// with its anusvara, Shani as one letter), the modern planets written whole.
constexpr std::array<std::string_view, 13> HindiAbbreviations{"सू", "चं", "बु", "शु", "मं", "गु", "श",
                                                              "अरुण", "वरुण", "यम", "ल", "रा", "के"};

std::span<const std::string_view> English(Kind kind)
{
    switch (kind) {
    case Kind::Sign: return EnglishSigns;
    case Kind::Planet: return EnglishPlanets;
    case Kind::Nakshatra: return EnglishNakshatras;
    case Kind::Tithi: return EnglishTithis;
    case Kind::Yoga: return EnglishYogas;
    case Kind::Karana: return EnglishKaranas;
    case Kind::Varga: return EnglishVargas;
    case Kind::DashaLevel: return EnglishDashaLevels;
    case Kind::PlanetAbbreviation: return EnglishAbbreviations;
    }
    return {};
}

std::span<const std::string_view> Hindi(Kind kind)
{
    switch (kind) {
    case Kind::Sign: return HindiSigns;
    case Kind::Planet: return HindiPlanets;
    case Kind::Nakshatra: return HindiNakshatras;
    case Kind::Tithi: return HindiTithis;
    case Kind::Yoga: return HindiYogas;
    case Kind::Karana: return HindiKaranas;
    case Kind::Varga: return HindiVargas;
    case Kind::DashaLevel: return HindiDashaLevels;
    case Kind::PlanetAbbreviation: return HindiAbbreviations;
    }
    return {};
}

std::string_view At(std::span<const std::string_view> names, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < names.size() ? names[static_cast<std::size_t>(index)]
                                                                         : std::string_view{};
}

}  // namespace

std::span<const std::string_view> Names(Language language, Kind kind)
{
    return language == Language::Hindi ? Hindi(kind) : English(kind);
}

std::string_view Name(Language language, Kind kind, int index)
{
    return At(Names(language, kind), index);
}

std::span<const std::string_view> SanskritNames(Kind kind)
{
    switch (kind) {
    case Kind::Sign: return SanskritSigns;
    case Kind::Planet: return SanskritPlanets;
    default: return English(kind);
    }
}

std::string ShownName(NameStyle style, Kind kind, int index)
{
    const std::string_view own = Name(style.language, kind, index);
    if (style.language != Language::English || style.sanskrit == Sanskrit::Off) {
        return std::string(own);
    }
    const std::string_view sanskrit = At(SanskritNames(kind), index);
    if (style.sanskrit == Sanskrit::Instead || sanskrit == own) {
        return std::string(sanskrit);
    }
    return std::string(own) + " (" + std::string(sanskrit) + ")";
}

std::string_view LanguageCode(Language language)
{
    return language == Language::Hindi ? "hi" : "en";
}

Language LanguageOfCode(std::string_view code)
{
    const bool hindi = code.size() >= 2 && code.substr(0, 2) == "hi" &&
                       (code.size() == 2 || code[2] == '_' || code[2] == '-' || code[2] == '.');
    return hindi ? Language::Hindi : Language::English;
}

}  // namespace zodiora::vocabulary
