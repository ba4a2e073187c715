#include "birthdata/KeyFilters.h"

#include <unicode/uchar.h>

namespace zodiora {

namespace {
constexpr int Space = 32;

UserMessage OnlyLetters()
{
    return UserMessage{"Please Enter only Letters", MessageIcon::Information, FormField::None};
}
}  // namespace

KeyFilterResult FilterDigitKey(int code)
{
    // Enter is no character: it leaves the box to the form, which proceeds.
    if ((code >= '0' && code <= '9') || code == BackspaceKey || code == EnterKey) {
        return {code, std::nullopt};
    }
    return {0, UserMessage{"Only Numbers Are Accepted", MessageIcon::Error, FormField::None}};
}

KeyFilterResult FilterSecondsKey(int code)
{
    return code == '.' ? KeyFilterResult{code, std::nullopt} : FilterDigitKey(code);
}

NameCharacter ClassifyNameCharacter(char32_t c)
{
    if (c == U' ') return NameCharacter::Space;
    if (c == U'-' || c == U'\'' || c == U'\u2010' || c == U'\u2019') return NameCharacter::Joiner;
    if (c == U'\u200C' || c == U'\u200D') return NameCharacter::Mark;
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return NameCharacter::Other;
    const auto mask = U_GET_GC_MASK(static_cast<UChar32>(c));
    if (mask & U_GC_L_MASK) return NameCharacter::Letter;
    if (mask & U_GC_M_MASK) return NameCharacter::Mark;
    return NameCharacter::Other;
}

KeyFilterResult FilterLetterKey(int code)
{
    if (code == EnterKey || code == BackspaceKey) {
        return {code, std::nullopt};
    }
    switch (code > 0 ? ClassifyNameCharacter(static_cast<char32_t>(code)) : NameCharacter::Other) {
    case NameCharacter::Letter: return {static_cast<int>(u_toupper(code)), std::nullopt};
    case NameCharacter::Mark:
    case NameCharacter::Joiner:
    case NameCharacter::Space: return {code, std::nullopt};
    case NameCharacter::Other: break;
    }
    return {0, OnlyLetters()};
}

}  // namespace zodiora
