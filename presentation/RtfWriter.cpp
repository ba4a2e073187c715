#include "presentation/RtfWriter.h"

#include <cstdint>

#include "presentation/Utf8.h"

namespace zodiora {

namespace {

/// Appends `\uN?` for one UTF-16 code unit; RTF takes N as a signed 16-bit number.
void AppendUnicodeEscape(std::string& out, std::uint16_t unit)
{
    const int signedUnit = unit > 32767 ? static_cast<int>(unit) - 65536 : static_cast<int>(unit);
    out += "\\u";
    out += std::to_string(signedUnit);
    out += '?';
}

void AppendCodePoint(std::string& out, char32_t code)
{
    if (code == '\\' || code == '{' || code == '}') {
        out += '\\';
        out += static_cast<char>(code);
    } else if (code == '\t') {
        out += "\\tab ";
    } else if (code >= 0x20 && code < 0x7F) {
        out += static_cast<char>(code);
    } else if (code < 0x20 || code == 0x7F) {
        // Other control characters have no place in a text document.
    } else if (code == 0x2028) {
        out += "\\line\n";
    } else if (code == 0x2029) {
        out += "\\par\n";
    } else if (code < 0x10000) {
        AppendUnicodeEscape(out, static_cast<std::uint16_t>(code));
    } else {
        const char32_t offset = code - 0x10000;
        AppendUnicodeEscape(out, static_cast<std::uint16_t>(0xD800 + (offset >> 10)));
        AppendUnicodeEscape(out, static_cast<std::uint16_t>(0xDC00 + (offset & 0x3FF)));
    }
}

/// Font names go into the font table with the text's escapes; RTF has no
/// escape for `;` there, so it is dropped along with anything that would
/// break the group or the line.
std::string FontTableName(std::string_view name)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < name.size()) {
        const char32_t code = DecodeUtf8(name, pos);
        if (code != ';' && code != '{' && code != '}' && code != '\\' && code >= 0x20 && code != 0x2028 &&
            code != 0x2029) {
            AppendCodePoint(out, code);
        }
    }
    return out;
}

}  // namespace

std::string PlainTextToRtf(std::string_view utf8Text, const RtfStyle& style)
{
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl{\\f0\\fswiss\\fcharset0 ";
    out += FontTableName(style.fontName);
    if (!style.fallbackFontName.empty()) {
        out += "{\\*\\falt ";
        out += FontTableName(style.fallbackFontName);
        out += '}';
    }
    out += ";}}\n\\viewkind4\\pard\\plain\\f0\\fs";
    out += std::to_string(style.fontHalfPoints);
    out += ' ';

    // A run of \u escapes goes in a group of its own: some readers take the
    // text straight after an escape for its fallback and drop it.
    bool inEscapeGroup = false;
    std::size_t pos = 0;
    while (pos < utf8Text.size()) {
        const char c = utf8Text[pos];
        if (c == '\r' || c == '\n') {
            // CR LF is one break; a lone CR or LF is one too.
            ++pos;
            if (c == '\r' && pos < utf8Text.size() && utf8Text[pos] == '\n') {
                ++pos;
            }
            if (inEscapeGroup) {
                out += '}';
                inEscapeGroup = false;
            }
            out += "\\par\n";
            continue;
        }
        const char32_t code = DecodeUtf8(utf8Text, pos);
        const bool escaped = code >= 0x80 && code != 0x2028 && code != 0x2029;
        if (escaped != inEscapeGroup) {
            out += escaped ? '{' : '}';
            inEscapeGroup = escaped;
        }
        AppendCodePoint(out, code);
    }
    if (inEscapeGroup) {
        out += '}';
    }
    out += "}\n";
    return out;
}

}  // namespace zodiora
