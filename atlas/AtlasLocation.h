#pragma once

#include <optional>
#include <string>

namespace zodiora::atlas {

/// The folder of the running program, or empty where the system does not say.
std::string ProgramDirectory();

/// The atlas for a program in programDirectory: beside it (build tree), in
/// ../share/zodiora (installed, wherever the prefix), or in the data folder
/// the build was configured to install to. Nothing when none exists.
std::optional<std::string> FindAtlasFile(const std::string& programDirectory);

/// FindAtlasFile for the running program.
std::optional<std::string> DefaultAtlasPath();

}  // namespace zodiora::atlas
