#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zodiora::vocabulary {

/// The languages the astrological names are kept in. A new language is a new
/// table in Vocabulary.cpp with the same entries as the English one.
enum class Language { English, Hindi };

/// The kinds of astrological names, each a list in a fixed order.
enum class Kind {
    Sign,        ///< 12, Aries (Mesha) first
    Planet,      ///< 13, in the chart's point order: Sun, Moon, Mercury, Venus, Mars, Jupiter,
                 ///< Saturn, Uranus, Neptune, Pluto, Ascendant, Rahu, Ketu
    Nakshatra,   ///< 27, Ashwini first
    Tithi,       ///< 30 lunar days, Shukla Pratipada first, Purnima 15th, Amavasya 30th
    Yoga,        ///< 27 luni-solar yogas, Vishkambha first
    Karana,      ///< 11, the seven movable (Bava .. Vishti) then the four fixed (Shakuni .. Kimstughna)
    Varga,       ///< 16 divisional charts in the order D1, D2, D3, D4, D7, D9, D10, D12, D16, D20,
                 ///< D24, D27, D30, D40, D45, D60
    DashaLevel,  ///< 5: mahadasha, antardasha, pratyantardasha, sookshma, prana
    PlanetAbbreviation,  ///< 13, the Planet order: the short labels of the drawn charts ("Su", "सू")
};

inline constexpr Kind AllKinds[] = {Kind::Sign,  Kind::Planet, Kind::Nakshatra, Kind::Tithi,
                                    Kind::Yoga,  Kind::Karana, Kind::Varga,     Kind::DashaLevel,
                                    Kind::PlanetAbbreviation};

inline constexpr Language AllLanguages[] = {Language::English, Language::Hindi};

/// Every name of one kind in one language (UTF-8), in the kind's order.
std::span<const std::string_view> Names(Language language, Kind kind);

/// One name; empty for an index outside the kind's list.
std::string_view Name(Language language, Kind kind, int index);

/// Sanskrit names in Latin letters for the kinds whose English names are
/// English words (signs: Mesha, Vrishabha, ...; planets: Surya, Chandra, ...);
/// for the other kinds the English names already are Sanskrit and this is
/// the English list.
std::span<const std::string_view> SanskritNames(Kind kind);

/// How English shows the Sanskrit names, as many astrologers prefer them.
enum class Sanskrit {
    Off,      ///< "Aries"
    Beside,   ///< "Aries (Mesha)"
    Instead,  ///< "Mesha"
};

/// Which names a window or the tool shows.
struct NameStyle {
    Language language = Language::English;
    Sanskrit sanskrit = Sanskrit::Off;  ///< read in English only
};

/// The name shown for entry `index` of `kind`; empty for an index outside the list.
std::string ShownName(NameStyle style, Kind kind, int index);

/// "en" and "hi" (ISO 639-1), the codes of the tool's --lang and the translation files.
std::string_view LanguageCode(Language language);

/// The language of a code "en" or "hi", or a locale name starting with one
/// ("hi_IN", "en-GB"); English for anything else.
Language LanguageOfCode(std::string_view code);

}  // namespace zodiora::vocabulary
