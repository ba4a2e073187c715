#include "presentation/Utf8.h"

#include <cstdio>

namespace zodiora {

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

namespace {

/// Calls visit(out, code, bytes) for each decoded character and its bytes in
/// `text`, a replaced byte being a one-byte U+FFFD; collects what it appends.
template <typename Visit>
std::string Rewrite(std::string_view text, Visit visit)
{
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const char32_t code = DecodeUtf8(text, pos);
        visit(out, code, text.substr(start, pos - start));
    }
    return out;
}

}  // namespace

std::string ValidUtf8(std::string_view text)
{
    return Rewrite(text, [](std::string& out, char32_t code, std::string_view bytes) {
        // A genuine U+FFFD in the input is three bytes; a replaced byte is one.
        if (code == ReplacementCharacter && bytes.size() == 1) {
            out += "\xEF\xBF\xBD";
        } else {
            out.append(bytes);
        }
    });
}

std::string EscapeControls(std::string_view text)
{
    return Rewrite(text, [](std::string& out, char32_t code, std::string_view bytes) {
        const bool control = code < 0x20 || (code >= 0x7F && code <= 0x9F);
        if (!control) {
            out.append(bytes);
            return;
        }
        switch (code) {
        case '\b': out += "\\b"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\f': out += "\\f"; break;
        case '\r': out += "\\r"; break;
        default: {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(code));
            out += escape;
        }
        }
    });
}

}  // namespace zodiora
