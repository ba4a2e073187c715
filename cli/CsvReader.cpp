#include "cli/CsvReader.h"

#include <string_view>

namespace zodiora::cli {

namespace {

constexpr int End = -1;

// A byte that neither ends a field or record nor starts a quote.
bool PlainFieldByte(char c)
{
    return c != ',' && c != '\n' && c != '"';
}

bool Blank(const CsvRecord& record)
{
    if (record.fields.size() != 1) return false;
    for (const char c : record.fields[0]) {
        if (c != ' ' && c != '\t') return false;
    }
    return true;
}

// Everything from the record's first line to the end was taken into one
// field; say so, so no record is lost without a word.
std::string UnclosedQuote(long quoteLine, long firstLine, long lastLine)
{
    std::string text = "a quote opened on line " + std::to_string(quoteLine) + " is never closed";
    if (lastLine > firstLine) {
        text += ", so lines " + std::to_string(firstLine) + " to " + std::to_string(lastLine) + " (" +
                std::to_string(lastLine - firstLine + 1) + " lines) were not read";
    }
    return text;
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
        bool keep = true;           // false past the cap: the record is read to its end but not kept
        bool quoted = false;        // inside a quoted field
        bool wasQuoted = false;     // the current field started with a quote
        bool fieldHasData = false;  // the current field has a character (kept or not)
        long quoteLine = 0;         // where the open quote is
        int last = End;
        const auto store = [&](int c) {
            fieldHasData = true;
            if (keep) record.fields.back().push_back(static_cast<char>(c));
        };
        while (true) {
            const int c = get();
            if (c == End) {
                if (quoted) record.problem = UnclosedQuote(quoteLine, record.line, last == '\n' ? line_ - 1 : line_);
                break;
            }
            last = c;
            // The whole record is still read, quotes and all, so that no line
            // inside a quoted field is ever taken for a record of its own.
            if (keep && ++bytes > MaxRecordBytes) {
                keep = false;
                record.problem = "too long (more than 65536 bytes); skipped";
            }
            if (quoted) {
                if (c == '"') {
                    if (peek() == '"') {
                        get();
                        store('"');
                    } else {
                        quoted = false;
                    }
                } else {
                    if (c == '\n') ++line_;
                    store(c);
                }
                continue;
            }
            if (c == '\n') {
                ++line_;
                // CR LF ends a record as LF does; the CR is not data.
                std::string& field = record.fields.back();
                if (!field.empty() && field.back() == '\r') field.pop_back();
                break;
            }
            if (c == ',') {
                if (keep) record.fields.emplace_back();
                wasQuoted = false;
                fieldHasData = false;
                continue;
            }
            if (c == '"' && !fieldHasData && !wasQuoted) {
                quoted = true;
                wasQuoted = true;
                quoteLine = line_;
                continue;
            }
            store(c);
            // The rest of a plain field in the buffer at once, as the loop
            // would store it byte by byte: a batch reads millions of fields.
            if (keep) {
                const std::size_t room = MaxRecordBytes - bytes;
                std::size_t end = position_;
                while (end < size_ && end - position_ < room && PlainFieldByte(buffer_[end])) ++end;
                if (end > position_) {
                    record.fields.back().append(buffer_.data() + position_, end - position_);
                    bytes += end - position_;
                    last = static_cast<unsigned char>(buffer_[end - 1]);
                    position_ = end;
                }
            }
        }
        if (!record.problem.empty()) {
            record.fields.clear();
            return true;
        }
        if (Blank(record)) continue;
        return true;
    }
}

}  // namespace zodiora::cli
