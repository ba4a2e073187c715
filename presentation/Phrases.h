#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "vocabulary/Vocabulary.h"

namespace zodiora {

/// English phrases and their translations, by the English text.
using PhraseTable = std::span<const std::pair<std::string_view, std::string_view>>;

/// `pattern` with each "{}" replaced by the next of `values`, or "{N}" by
/// value N (0-based; a translation may reorder them): FillPattern("{} to {}",
/// {"2029", "2049"}) is "2029 to 2049". Values missing are left out.
std::string FillPattern(std::string_view pattern, std::initializer_list<std::string_view> values);

/// The words of one text in one language: its phrases from a table of
/// translations (none for English, whose phrases are the table's keys) and
/// the astrological names from the vocabulary.
struct Phrasebook {
    vocabulary::Language language = vocabulary::Language::English;
    PhraseTable table;  ///< English -> this language; empty for English

    /// The phrase in this language; `english` itself when the table lacks it.
    std::string_view operator()(std::string_view english) const;

    /// The pattern in this language, filled as FillPattern does.
    std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values) const
    {
        return FillPattern((*this)(pattern), values);
    }

    /// A name of `kind` as the English vocabulary spells it ("Gemini",
    /// "Jupiter", "Punarvasu"), in this language; unknown names are kept.
    std::string_view name(vocabulary::Kind kind, std::string_view english) const;
};

}  // namespace zodiora
