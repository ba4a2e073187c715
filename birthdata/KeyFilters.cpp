#include "birthdata/KeyFilters.h"

namespace zodiora {

namespace {
constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Space = 32;
}  // namespace

KeyFilterResult FilterDigitKey(int code)
{
    // Enter is no character: it leaves the box to the form, which proceeds.
    if ((code >= '0' && code <= '9') || code == Backspace || code == Enter) {
        return {code, std::nullopt};
    }
    return {0, UserMessage{"Only Numbers Are Accepted", MessageIcon::Error, FormField::None}};
}

KeyFilterResult FilterLetterKey(int code)
{
    if (code >= 'a' && code <= 'z') {
        return {code - 32, std::nullopt};
    }
    if ((code >= 'A' && code <= 'Z') || code == Space || code == Enter || code == Backspace) {
        return {code, std::nullopt};
    }
    return {0, UserMessage{"Please Enter only Letters", MessageIcon::Information, FormField::None}};
}

}  // namespace zodiora
