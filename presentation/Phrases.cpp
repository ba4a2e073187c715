#include "presentation/Phrases.h"

namespace zodiora {

std::string FillPattern(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string out;
    std::size_t next = 0;
    for (std::size_t pos = 0; pos < pattern.size();) {
        const std::size_t hole = pattern.find('{', pos);
        out.append(pattern.substr(pos, hole == std::string_view::npos ? hole : hole - pos));
        if (hole == std::string_view::npos) break;
        std::size_t index = next++;
        std::size_t end = hole + 1;
        if (end + 1 < pattern.size() && pattern[end] >= '0' && pattern[end] <= '9' && pattern[end + 1] == '}') {
            index = static_cast<std::size_t>(pattern[end] - '0');
            ++end;
        }
        if (end >= pattern.size() || pattern[end] != '}') {
            out.push_back('{');  // a brace that opens no hole is text
            --next;
            pos = hole + 1;
            continue;
        }
        if (index < values.size()) out.append(values.begin()[index]);
        pos = end + 1;
    }
    return out;
}

std::string_view Phrasebook::operator()(std::string_view english) const
{
    for (const auto& [from, to] : table) {
        if (from == english) return to;
    }
    return english;
}

std::string_view Phrasebook::name(vocabulary::Kind kind, std::string_view english) const
{
    if (language == vocabulary::Language::English) return english;
    const auto names = vocabulary::Names(vocabulary::Language::English, kind);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == english) return vocabulary::Name(language, kind, static_cast<int>(i));
    }
    return english;
}

}  // namespace zodiora
