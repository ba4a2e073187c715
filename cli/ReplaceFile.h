#pragma once

#include <string>
#include <string_view>

namespace zodiora::cli {

/// Writes `text` to `path` so that the file is either the old one or the
/// whole new one, never a part: the text goes to a temporary file beside it,
/// is synced, and is renamed over it. A target that exists and is not a
/// regular file (a pipe, /dev/stdout) is written in place; a symbolic link
/// is followed, and the file it names replaced. Answers an empty
/// string, or what went wrong.
std::string ReplaceFile(const std::string& path, std::string_view text);

}  // namespace zodiora::cli
