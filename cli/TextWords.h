#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "birthdata/BirthData.h"
#include "presentation/Phrases.h"
#include "vocabulary/Vocabulary.h"

namespace zodiora::cli {

/// The words of the text output in the chosen language (--lang) and name
/// style (--sanskrit). JSON and CSV never read it: their keys and values stay
/// English. With English and no Sanskrit names every function gives back its
/// English argument unchanged, so that output stays as it always was.
struct TextWords {
    vocabulary::NameStyle style;

    bool plainEnglish() const
    {
        return style.language == vocabulary::Language::English && style.sanskrit == vocabulary::Sanskrit::Off;
    }

    /// A heading or label, given in English.
    std::string_view label(std::string_view english) const;

    /// A point as the English tables name it ("Sun", "Asc", "Jupiter (R)",
    /// "Jupiter (R) " with the house list's trailing blank).
    std::string body(std::string_view english) const;

    /// Sign `index`, 0 = Aries; `english` is the English text it replaces.
    std::string sign(int index, std::string_view english) const;

    /// A nakshatra or dasha lord as the English tables name it.
    std::string nakshatra(std::string_view english) const;

    /// "16 Sag 11" with the sign's own name.
    std::string position(std::string_view english) const;

    /// "77° 12' E" with the direction as a word.
    std::string coordinate(std::string_view english) const;

    /// The birth date: the English text, or day, month name and year.
    std::string date(const BirthData& birth, std::string_view english) const;

    /// A name of `kind` (tithi, yoga, karana, nakshatra...) as the English
    /// table spells it, in the chosen language; unknown names are kept.
    std::string named(vocabulary::Kind kind, std::string_view english) const;

    /// Sign `index` (0 = Aries) in a table's narrow column: the English
    /// three-letter abbreviation, or the Hindi name (as short on screen).
    std::string signShort(int index) const;

    /// `text`, then blanks up to `columns`: counted in bytes for the English
    /// output (as it always was), in terminal columns for any other.
    void pad(std::string& out, std::string_view text, std::size_t columns) const;

    /// Blanks up to `columns`, then `text`: right-aligned as pad() counts.
    void padLeft(std::string& out, std::string_view text, std::size_t columns) const;

    /// The English `pattern` in the chosen language with each "{}" replaced
    /// by the next of `values`: fill("{} to {}", {start, end}); a translation
    /// may name them by place ("{1} ... {0}") where its word order differs.
    std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values) const;

    /// Columns `text` takes as pad() counts them.
    std::size_t width(std::string_view text) const;
};

/// The text output's headings, labels and sentence patterns in `language`,
/// by their English text; empty for English.
PhraseTable TextPhrases(vocabulary::Language language);

/// Columns `text` (UTF-8) takes on a terminal, as wcwidth counts them: one a
/// character, none for Devanagari's non-spacing signs (virama, the u and e
/// vowel signs, anusvara...) and the zero-width joiners. Equals the byte count
/// for ASCII.
std::size_t TextColumns(std::string_view text);

/// `text`, then blanks up to `columns` columns.
void AppendPadded(std::string& out, std::string_view text, std::size_t columns);

}  // namespace zodiora::cli
