#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zodiora {

/// The replacement character, U+FFFD, that stands for bytes that are not UTF-8.
inline constexpr char32_t ReplacementCharacter = 0xFFFD;

/// Decodes one UTF-8 sequence at `text[pos]`, advancing `pos` past it.
/// Malformed, overlong or surrogate sequences yield U+FFFD and consume one byte.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos);

/// `text` with every byte that is not part of a well-formed UTF-8 sequence
/// replaced by U+FFFD; valid text comes back unchanged.
std::string ValidUtf8(std::string_view text);

/// `text` (valid UTF-8) made safe to show on a terminal: control characters
/// (C0, DEL and C1) are written as JSON writes them, `\r`, `\t`, `\u001b`...
std::string EscapeControls(std::string_view text);

/// Any bytes made fit for a one-line message on a terminal: invalid UTF-8
/// replaced, then control characters escaped.
inline std::string MessageText(std::string_view text)
{
    return EscapeControls(ValidUtf8(text));
}

}  // namespace zodiora
