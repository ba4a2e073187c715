#pragma once

#include <string>
#include <string_view>

namespace zodiora::atlas {

/// The form in which names are compared: lower case, Latin letters without
/// their accents ("Zürich" -> "zurich", "Łódź" -> "lodz", "Straße" ->
/// "strasse"), hyphens as spaces, apostrophes and full stops dropped, runs of
/// spaces made one and the ends trimmed. Letters of other scripts pass
/// through unchanged. Input is UTF-8; stray bytes pass through.
std::string FoldText(std::string_view text);

/// FoldText(text) appended to out, for callers folding many names into one buffer.
void AppendFolded(std::string_view text, std::string& out);

}  // namespace zodiora::atlas
