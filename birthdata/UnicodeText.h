#pragma once

#include <string>
#include <string_view>

namespace zodiora {

/// `text` (UTF-8) in Unicode normalisation form C: "JOSE" followed by a
/// combining acute accent becomes "JOSÉ" with its one precomposed letter, so
/// a name typed either way is the same name when stored and looked up.
/// Bytes that are not UTF-8 are given back unchanged.
std::string ComposedText(std::string_view text);

/// `text` (UTF-8) composed and case-folded as Unicode folds it for
/// comparisons that ignore case in every script: "JOSÉ" and "josé" fold
/// alike, so do "ΣΩΚΡΆΤΗΣ" and "σωκράτης", "ИВАН" and "иван", and "STRASSE"
/// and "straße". Scripts without case are unchanged.
std::string FoldedText(std::string_view text);

/// Whether `search` occurs in `text` when both are folded; empty `search`
/// occurs everywhere.
bool ContainsFolded(std::string_view text, std::string_view search);

}  // namespace zodiora
