#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

namespace zodiora::cli {

/// The longest batch line read whole; a chart's line is under a hundred bytes.
inline constexpr std::size_t MaxBatchLineBytes = 64 * 1024;

enum class BatchLineStatus {
    Line,     ///< the next line, without its LF
    TooLong,  ///< the line exceeded MaxBatchLineBytes; it was skipped up to its LF
    End,      ///< no more input, or the input could not be read (the stream's bad())
};

/// The lines of a batch file, each held in memory up to MaxBatchLineBytes
/// however long it is. A UTF-8 byte-order mark before the first line is skipped.
class BatchInput {
public:
    explicit BatchInput(std::istream& in) : in_(in) {}

    /// Reads the next line into `line`.
    BatchLineStatus next(std::string& line);

    /// 1-based number of the line last read.
    long lineNumber() const { return lineNumber_; }

private:
    std::istream& in_;
    long lineNumber_ = 0;
};

}  // namespace zodiora::cli
