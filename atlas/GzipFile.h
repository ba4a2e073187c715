#pragma once

#include <optional>
#include <string>

namespace zodiora::atlas {

/// The whole content of a gzip-compressed file, or nothing with a one-line
/// reason in *error (missing, unreadable or damaged file).
std::optional<std::string> ReadGzipFile(const std::string& path, std::string* error);

}  // namespace zodiora::atlas
