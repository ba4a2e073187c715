#include "atlas/FoldText.h"

#include <cstdint>

namespace zodiora::atlas {

namespace {

// Base letter of each code point of Latin-1 Supplement and Latin Extended-A/B
// (U+00C0..U+024F) and of Latin Extended Additional (U+1E00..U+1EFF), taken
// from the Unicode decomposition; '.' where there is no single-letter base.
constexpr std::string_view LatinBases =
    "aaaaaa.ceeeeiiiidnooooo.ouuuuy..aaaaaa.ceeeeiiiidnooooo.ouuuuy.y"
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiiijjkkklllllll"
    "lllnnnnnn...oooooo..rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs"
    ".b........d.......f.....kk......oo.............uu..yy..........."
    "....dddlllnnnaaiioouuuuuuuuuu.aaaa....ggkkoooo..jdddgg..nnaa...."
    "aaaaeeeeiiiioooorrrruuuusstt..hh......aaeeooooooooyy............"
    "................";
constexpr std::string_view LatinAdditionalBases =
    "aabbbbbbccddddddddddeeeeeeeeeeffgghhhhhhhhhhiiiikkkkkkllllllllmm"
    "mmmmnnnnnnnnoooooooopppprrrrrrrrssssssssssttttttttuuuuuuuuuuvvvv"
    "wwwwwwwwwwxxxxyyzzzzzzhtwyas....aaaaaaaaaaaaaaaaaaaaaaaaeeeeeeee"
    "eeeeeeeeiiiioooooooooooooooooooooooouuuuuuuuuuuuuuyyyyyyyy......";

// Letters that fold to two.
std::string_view Ligature(char32_t c)
{
    switch (c) {
    case U'ß': return "ss";
    case U'Æ': case U'æ': return "ae";
    case U'Œ': case U'œ': return "oe";
    case U'Þ': case U'þ': return "th";
    case U'Ĳ': case U'ĳ': return "ij";
    default: return {};
    }
}

bool IsDropped(char32_t c)
{
    return c == U'\'' || c == U'.' || c == U'\u2019' || c == U'\u02BB' || c == U'\u02BC' || c == U'`';
}

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 for a stray byte.
std::size_t Decode(std::string_view text, std::size_t i, char32_t& c)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    return length;
}

}  // namespace

std::string FoldText(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    AppendFolded(text, folded);
    return folded;
}

void AppendFolded(std::string_view text, std::string& folded)
{
    const std::size_t start = folded.size();
    bool pendingSpace = false;
    const auto put = [&](std::string_view piece) {
        if (pendingSpace && folded.size() > start)
            folded += ' ';
        pendingSpace = false;
        folded += piece;
    };
    for (std::size_t i = 0; i < text.size();) {
        // Nearly every name is plain ASCII: that path stays short.
        if (const char ascii = text[i]; static_cast<unsigned char>(ascii) < 0x80) {
            ++i;
            if (ascii == ' ' || ascii == '-' || ascii == '\t' || ascii == '_')
                pendingSpace = true;
            else if (!IsDropped(static_cast<char32_t>(ascii))) {
                const char lower = ascii >= 'A' && ascii <= 'Z' ? static_cast<char>(ascii - 'A' + 'a') : ascii;
                put(std::string_view(&lower, 1));
            }
            continue;
        }
        char32_t c = 0;
        const std::size_t length = Decode(text, i, c);
        if (length == 0) {
            put(text.substr(i, 1));
            ++i;
            continue;
        }
        const std::string_view original = text.substr(i, length);
        i += length;
        if (IsDropped(c)) {
            continue;
        } else if (const std::string_view pair = Ligature(c); !pair.empty()) {
            put(pair);
        } else {
            char base = '.';
            if (c >= 0xC0 && c < 0xC0 + LatinBases.size())
                base = LatinBases[c - 0xC0];
            else if (c >= 0x1E00 && c < 0x1E00 + LatinAdditionalBases.size())
                base = LatinAdditionalBases[c - 0x1E00];
            put(base == '.' ? original : std::string_view(&base, 1));
        }
    }
}

}  // namespace zodiora::atlas
