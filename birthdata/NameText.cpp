#include "birthdata/NameText.h"

#include "birthdata/KeyFilters.h"

#include <string>

namespace zodiora {

NameCheck CheckNameText(std::string_view name)
{
    constexpr int Backspace = 8;
    constexpr int Enter = 13;
    NameCheck check;
    check.name.reserve(name.size());
    for (const char c : name) {
        const int code = static_cast<unsigned char>(c);
        KeyFilterResult result = FilterLetterKey(code);
        if (result.code == 0 || code == Backspace || code == Enter) {
            check.name.clear();
            check.problem = result.message ? std::move(result.message) : FilterLetterKey(0).message;
            return check;
        }
        check.name.push_back(static_cast<char>(result.code));
    }
    return check;
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
