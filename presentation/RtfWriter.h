#pragma once

#include <string>
#include <string_view>

namespace zodiora {

/// How a plain-text document is written as Rich Text Format.
struct RtfStyle {
    std::string fontName = "Verdana";         ///< the one font of the document
    std::string fallbackFontName = "DejaVu Sans";  ///< offered to readers without it; empty for none
    int fontHalfPoints = 20;                  ///< font size in half points (20 = 10 pt)
};

/// Rich Text Format document holding `utf8Text` as plain text in one font.
///
/// Line breaks (CR LF, or a lone LF or CR) become paragraph breaks; tabs
/// become tab stops. `\`, `{` and `}` are escaped; every character outside
/// printable ASCII is written as a `\uN?` escape of its UTF-16 code units
/// (N signed 16-bit, as RTF requires; `?` for readers without Unicode),
/// each run of them in a group of its own.
/// Bytes that are not valid UTF-8 are written as U+FFFD; other control
/// characters are dropped. The result is pure 7-bit ASCII.
std::string PlainTextToRtf(std::string_view utf8Text, const RtfStyle& style = {});

}  // namespace zodiora
