#pragma once

#include <QString>
#include <optional>
#include <string_view>

namespace zodiora {

/// Writes `bytes` as the whole content of the file at `path`, replacing it
/// only once every byte is on disk (an existing file survives a failure).
/// Returns why it failed, in the system's words ("No space left on
/// device"), or nothing on success.
std::optional<QString> SaveWholeFile(const QString& path, std::string_view bytes);

}  // namespace zodiora
