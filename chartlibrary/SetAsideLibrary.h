#pragma once

#include <filesystem>
#include <string>

namespace zodiora {

/// A library file that could not be used and was renamed out of the way
/// (with its -wal and -shm) before a new, empty library was started there.
struct SetAsideLibrary {
    enum class Reason {
        Damaged,  ///< not a SQLite file, fails the integrity check, or not a chart library
        Newer,    ///< written by a newer version of the program
    };
    Reason reason = Reason::Damaged;
    std::filesystem::path path;     ///< where the library was (and the new one is)
    std::filesystem::path movedTo;  ///< where the old file is now
    std::string detail;             ///< what was wrong, e.g. SQLite's own words

    /// A few sentences for a message box or stderr, naming both paths.
    std::string message() const;
};

}  // namespace zodiora
