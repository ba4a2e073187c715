#include "birthdata/NameText.h"

#include "birthdata/KeyFilters.h"

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

}  // namespace zodiora
