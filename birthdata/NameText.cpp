#include "birthdata/NameText.h"

#include <unicode/utf8.h>

#include <vector>

#include "birthdata/KeyFilters.h"
#include "birthdata/UnicodeText.h"

#include <optional>
#include <string>

namespace zodiora {

namespace {


NameCheck Refused(std::optional<UserMessage> message)
{
    NameCheck check;
    check.problem = message ? std::move(message) : FilterLetterKey(0).message;
    return check;
}

std::string Utf8Of(const std::vector<char32_t>& characters)
{
    std::string out;
    for (const char32_t c : characters) {
        char bytes[U8_MAX_LENGTH];
        int length = 0;
        [[maybe_unused]] UBool error = false;  // a code point from the filter always fits
        U8_APPEND(bytes, length, U8_MAX_LENGTH, static_cast<UChar32>(c), error);
        out.append(bytes, static_cast<std::size_t>(length));
    }
    return out;
}

/// A mark after a letter or mark; a hyphen or apostrophe between a letter
/// (or its marks) and a letter.
bool EveryNeighbourFits(const std::vector<char32_t>& characters)
{
    auto kind = [&](std::size_t i) { return ClassifyNameCharacter(characters[i]); };
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const NameCharacter here = kind(i);
        const bool afterLetter =
            i > 0 && (kind(i - 1) == NameCharacter::Letter || kind(i - 1) == NameCharacter::Mark);
        if (here == NameCharacter::Mark && !afterLetter) return false;
        if (here == NameCharacter::Joiner &&
            !(afterLetter && i + 1 < characters.size() && kind(i + 1) == NameCharacter::Letter)) {
            return false;
        }
    }
    return true;
}

}  // namespace

namespace {

/// The common name of plain ASCII letters and spaces, upper-cased as the
/// letter filter would: no marks, joiners or composition to judge, so the
/// batch skips the code-point walk below. Nothing for any other name.
std::optional<std::string> PlainAsciiName(std::string_view name)
{
    std::string upper(name);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (!(c >= 'A' && c <= 'Z') && c != ' ') {
            return std::nullopt;
        }
    }
    return upper;
}

}  // namespace

NameCheck CheckNameText(std::string_view name)
{
    if (auto plain = PlainAsciiName(name)) return NameCheck{std::move(*plain), std::nullopt};
    std::vector<char32_t> typed;
    typed.reserve(name.size());
    const auto* bytes = reinterpret_cast<const uint8_t*>(name.data());
    const auto length = static_cast<int32_t>(name.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c <= 0 || c == BackspaceKey || c == EnterKey) {
            return Refused(std::nullopt);
        }
        KeyFilterResult result = FilterLetterKey(c);
        if (result.code == 0) {
            return Refused(std::move(result.message));
        }
        typed.push_back(static_cast<char32_t>(result.code));
    }
    if (!EveryNeighbourFits(typed)) {
        return Refused(std::nullopt);
    }
    return NameCheck{ComposedText(Utf8Of(typed)), std::nullopt};
}

UserMessage NameLengthMessage()
{
    return {"A name can have at most " + std::to_string(NameLengthLimit) + " characters", MessageIcon::Information,
            FormField::Name};
}

std::optional<UserMessage> NameLengthProblem(std::string_view name)
{
    std::size_t characters = 0;
    for (const char c : name) {
        // UTF-8 continuation bytes (10xxxxxx) belong to the character before.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    }
    if (characters <= NameLengthLimit) return std::nullopt;
    return NameLengthMessage();
}

}  // namespace zodiora
