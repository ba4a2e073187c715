#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zodiora {

/// The line break of every text shown in a window or saved: CR LF.
inline constexpr std::string_view LineBreak = "\r\n";

/// English month names, January first.
inline constexpr std::array<std::string_view, 12> MonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

/// Trims blanks (spaces only) at both ends, as the form's checks do.
constexpr std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

/// Drops trailing blanks only.
constexpr std::string_view TrimTrailingBlanks(std::string_view text)
{
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

/// A CR LF text with bare LF line breaks, for terminals and plain files.
inline std::string CrLfToLf(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out.push_back(text[i]);
    }
    return out;
}

}  // namespace zodiora
