#include "atlas/AtlasLocation.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace zodiora::atlas {

std::string ProgramDirectory()
{
    std::error_code failure;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failure);
    return failure ? std::string() : program.parent_path().string();
}

std::optional<std::string> FindAtlasFile(const std::string& programDirectory)
{
    std::vector<std::filesystem::path> candidates;
    if (!programDirectory.empty()) {
        const std::filesystem::path folder(programDirectory);
        candidates.push_back(folder / ZODIORA_ATLAS_FILE_NAME);
        candidates.push_back(folder / ".." / "share" / "zodiora" / ZODIORA_ATLAS_FILE_NAME);
    }
    candidates.push_back(std::filesystem::path(ZODIORA_INSTALLED_DATA_DIR) / ZODIORA_ATLAS_FILE_NAME);
    for (const auto& candidate : candidates) {
        std::error_code failure;
        if (std::filesystem::is_regular_file(candidate, failure))
            return candidate.lexically_normal().string();
    }
    return std::nullopt;
}

std::optional<std::string> DefaultAtlasPath()
{
    return FindAtlasFile(ProgramDirectory());
}

}  // namespace zodiora::atlas
