#pragma once

// Reads the text of an RTF file back with the independent `unrtf` reader:
// its HTML output, with tags stripped and entities decoded, is the exact
// text (its plain-text mode mangles \u escapes). unrtf collapses runs of
// spaces, so texts compared through it should not rely on them.

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace zodiora::test {

/// Appends code point `code` to `out` as UTF-8.
inline void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

/// Code point of a named HTML entity as unrtf writes them, or 0 if unknown.
inline char32_t NamedEntity(std::string_view name)
{
    static constexpr std::array<std::string_view, 96> latin1 = {
        "nbsp", "iexcl", "cent", "pound", "curren", "yen", "brvbar", "sect", "uml", "copy", "ordf",
        "laquo", "not", "shy", "reg", "macr", "deg", "plusmn", "sup2", "sup3", "acute", "micro",
        "para", "middot", "cedil", "sup1", "ordm", "raquo", "frac14", "frac12", "frac34", "iquest",
        "Agrave", "Aacute", "Acirc", "Atilde", "Auml", "Aring", "AElig", "Ccedil", "Egrave", "Eacute",
        "Ecirc", "Euml", "Igrave", "Iacute", "Icirc", "Iuml", "ETH", "Ntilde", "Ograve", "Oacute",
        "Ocirc", "Otilde", "Ouml", "times", "Oslash", "Ugrave", "Uacute", "Ucirc", "Uuml", "Yacute",
        "THORN", "szlig", "agrave", "aacute", "acirc", "atilde", "auml", "aring", "aelig", "ccedil",
        "egrave", "eacute", "ecirc", "euml", "igrave", "iacute", "icirc", "iuml", "eth", "ntilde",
        "ograve", "oacute", "ocirc", "otilde", "ouml", "divide", "oslash", "ugrave", "uacute", "ucirc",
        "uuml", "yacute", "thorn", "yuml"};
    for (std::size_t i = 0; i < latin1.size(); ++i) {
        if (latin1[i] == name) {
            return static_cast<char32_t>(160 + i);
        }
    }
    struct Named {
        std::string_view name;
        char32_t code;
    };
    static constexpr std::array<Named, 15> others = {{{"amp", '&'}, {"lt", '<'}, {"gt", '>'},
        {"quot", '"'}, {"apos", '\''}, {"mdash", 0x2014}, {"ndash", 0x2013}, {"lsquo", 0x2018},
        {"rsquo", 0x2019}, {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"euro", 0x20AC},
        {"hellip", 0x2026}, {"bull", 0x2022}, {"trade", 0x2122}}};
    for (const auto& entry : others) {
        if (entry.name == name) {
            return entry.code;
        }
    }
    return 0;
}

/// The text of unrtf's HTML body: line breaks from <br>, tags stripped,
/// entities decoded (UTF-16 surrogate pairs written as two numeric
/// entities are joined). Paragraph breaks come back as "\n".
inline std::string TextOfUnrtfHtml(std::string_view html)
{
    const auto bodyStart = html.find("<body>");
    const auto bodyEnd = html.rfind("</body>");
    if (bodyStart == std::string_view::npos || bodyEnd == std::string_view::npos) {
        return {};
    }
    const std::string_view body = html.substr(bodyStart + 6, bodyEnd - bodyStart - 6);
    std::string out;
    char32_t pendingHighSurrogate = 0;
    for (std::size_t i = 0; i < body.size();) {
        const char c = body[i];
        if (c == '\n') {
            ++i;  // unrtf's own layout; breaks come from <br>
        } else if (c == '<') {
            const auto close = body.find('>', i);
            const std::string_view tag = body.substr(i, close - i + 1);
            if (tag.rfind("<br", 0) == 0) {
                out += '\n';
            }
            i = close == std::string_view::npos ? body.size() : close + 1;
        } else if (c == '&') {
            const auto semi = body.find(';', i);
            const std::string_view name = body.substr(i + 1, semi - i - 1);
            char32_t code = 0;
            if (!name.empty() && name[0] == '#') {
                code = static_cast<char32_t>(name.size() > 1 && (name[1] == 'x' || name[1] == 'X')
                                                 ? std::strtoul(std::string(name.substr(2)).c_str(), nullptr, 16)
                                                 : std::strtoul(std::string(name.substr(1)).c_str(), nullptr, 10));
            } else {
                code = NamedEntity(name);
            }
            if (code >= 0xD800 && code < 0xDC00) {
                pendingHighSurrogate = code;
            } else if (code >= 0xDC00 && code < 0xE000 && pendingHighSurrogate != 0) {
                AppendUtf8(out, 0x10000 + ((pendingHighSurrogate - 0xD800) << 10) + (code - 0xDC00));
                pendingHighSurrogate = 0;
            } else if (code != 0) {
                AppendUtf8(out, code);
            } else {
                out += body.substr(i, semi - i + 1);  // unknown: keep it visible
            }
            i = semi == std::string_view::npos ? body.size() : semi + 1;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

/// Runs `unrtf --html` on `path`; nothing if unrtf could not be run.
inline std::optional<std::string> ReadRtfTextWithUnrtf(const std::string& path)
{
    const std::string command = "unrtf --html '" + path + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return std::nullopt;
    }
    std::string html;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        html.append(buffer.data(), n);
    }
    if (pclose(pipe) != 0 || html.find("<body>") == std::string::npos) {
        return std::nullopt;
    }
    return TextOfUnrtfHtml(html);
}

}  // namespace zodiora::test
