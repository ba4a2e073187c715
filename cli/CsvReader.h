#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace zodiora::cli {

/// One record of a CSV file: its fields, or why it could not be read.
struct CsvRecord {
    long line = 0;  ///< the line it starts on, counted from 1
    std::vector<std::string> fields;
    std::string problem;  ///< non-empty: the record is unusable, go on with the next
};

/// Reads RFC 4180 CSV: fields split at commas, quoted fields with doubled
/// quotes, commas and line breaks inside, records ended by LF or CR LF.
/// A UTF-8 byte-order mark at the start is skipped; blank lines and lines
/// starting with '#' are skipped too. A record longer than MaxRecordBytes
/// (line break included) is given up (its problem says so) and read on to its
/// real end, quotes and all, so no line inside a quoted field is taken for a
/// record and the memory stays bounded. A quote never closed takes the rest
/// of the input; its problem names the quote's line and the lines not read.
class CsvReader {
public:
    static constexpr std::size_t MaxRecordBytes = 64 * 1024;

    explicit CsvReader(std::istream& in) : in_(in) {}

    /// The next record; false at the end of the input.
    bool next(CsvRecord& record);

    /// The stream reported an error (not merely its end).
    bool failed() const { return failed_; }

private:
    int get();
    int peek();
    void skipRestOfLine();
    bool fill();

    std::istream& in_;
    std::vector<char> buffer_ = std::vector<char>(64 * 1024);
    std::size_t position_ = 0;
    std::size_t size_ = 0;
    long line_ = 1;
    bool started_ = false;
    bool failed_ = false;
};

}  // namespace zodiora::cli
