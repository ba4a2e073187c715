#include "cli/CsvReader.h"

#include <string_view>

namespace zodiora::cli {

namespace {

constexpr int End = -1;

bool Blank(const CsvRecord& record)
{
    if (record.fields.size() != 1) return false;
    for (const char c : record.fields[0]) {
        if (c != ' ' && c != '\t') return false;
    }
    return true;
}

}  // namespace

bool CsvReader::fill()
{
    if (!in_) return false;
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    size_ = static_cast<std::size_t>(in_.gcount());
    position_ = 0;
    // A short read must be the end of the input; anything else is a read error.
    if (in_.bad() || (!in_ && !in_.eof())) failed_ = true;
    return size_ > 0;
}

int CsvReader::get()
{
    if (position_ == size_ && !fill()) return End;
    return static_cast<unsigned char>(buffer_[position_++]);
}

int CsvReader::peek()
{
    if (position_ == size_ && !fill()) return End;
    return static_cast<unsigned char>(buffer_[position_]);
}

void CsvReader::skipRestOfLine()
{
    for (int c = get(); c != End && c != '\n'; c = get()) {
    }
    ++line_;
}

bool CsvReader::next(CsvRecord& record)
{
    if (!started_) {
        started_ = true;
        // The first read holds the whole mark if the input has one.
        if (peek() != End && size_ >= 3 && std::string_view(buffer_.data(), 3) == "\xEF\xBB\xBF") position_ = 3;
    }
    while (true) {
        if (peek() == End) return false;
        record.line = line_;
        record.fields.assign(1, std::string());
        record.problem.clear();
        if (peek() == '#') {
            skipRestOfLine();
            continue;
        }
        std::size_t bytes = 0;
        bool quoted = false;       // inside a quoted field
        bool wasQuoted = false;    // the current field started with a quote
        while (true) {
            const int c = get();
            if (c == End) {
                if (quoted) record.problem = "a quoted field is not closed before the end of the input";
                break;
            }
            if (++bytes > MaxRecordBytes) {
                record.fields.clear();
                record.problem = "too long (more than 65536 bytes); skipped";
                if (c != '\n') skipRestOfLine(); else ++line_;
                return true;
            }
            std::string& field = record.fields.back();
            if (quoted) {
                if (c == '"') {
                    if (peek() == '"') {
                        get();
                        field.push_back('"');
                    } else {
                        quoted = false;
                    }
                } else {
                    if (c == '\n') ++line_;
                    field.push_back(static_cast<char>(c));
                }
                continue;
            }
            if (c == '\n') {
                ++line_;
                // CR LF ends a record as LF does; the CR is not data.
                if (!field.empty() && field.back() == '\r') field.pop_back();
                break;
            }
            if (c == ',') {
                record.fields.emplace_back();
                wasQuoted = false;
                continue;
            }
            if (c == '"' && field.empty() && !wasQuoted) {
                quoted = true;
                wasQuoted = true;
                continue;
            }
            field.push_back(static_cast<char>(c));
        }
        if (record.problem.empty() && Blank(record)) continue;
        return true;
    }
}

}  // namespace zodiora::cli
