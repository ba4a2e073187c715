#include "presentation/RtfWriter.h"

#include <cstdint>

namespace zodiora {

namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

/// Decodes one UTF-8 sequence at `text[pos]`, advancing `pos` past it.
/// Malformed, overlong or surrogate sequences yield U+FFFD and consume one byte.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return ReplacementCharacter;
    }
    if (pos + length > text.size()) {
        ++pos;
        return ReplacementCharacter;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return ReplacementCharacter;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++pos;
        return ReplacementCharacter;
    }
    pos += length;
    return code;
}

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

/// Font names go into the font table as they are; RTF has no escape for `;`
/// there, so it is dropped along with anything that would break the group.
std::string FontTableName(std::string_view name)
{
    std::string out;
    for (const char c : name) {
        if (c != ';' && c != '{' && c != '}' && c != '\\' && static_cast<unsigned char>(c) >= 0x20) {
            out += c;
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
