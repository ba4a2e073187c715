#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace zodiora::cli {

/// Appends compact JSON to a string, byte for byte as nlohmann's dump()
/// prints it (no blanks, shortest round-trip doubles, the same escapes),
/// without building a tree first. Invalid UTF-8 becomes U+FFFD, so any bytes
/// a user typed give valid JSON. Commas are placed by the writer.
class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}
    ~JsonWriter();
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void beginObject();
    /// Closing the outermost object or array hands everything to `out`.
    void endObject();
    void beginArray();
    void endArray();
    /// The next member's key, a name of the program's own (printable ASCII
    /// without quotes or backslashes), copied as it is; its value follows
    /// with one of the calls below.
    [[gnu::always_inline]] void key(std::string_view name)
    {
        // Inline: keys are literals, so the copy below is a few moves.
        if (name.size() + 4 <= held_.size() - heldSize_) {
            char* at = held_.data() + heldSize_;
            if (takeComma()) *at++ = ',';
            *at++ = '"';
            std::memcpy(at, name.data(), name.size());
            at += name.size();
            *at++ = '"';
            *at++ = ':';
            hold(at);
            afterKey_ = true;
        } else {
            keyLong(name);
        }
    }
    void text(std::string_view value);
    /// A text the caller knows needs no escaping (printable ASCII without
    /// quotes or backslashes: names and dates from the program's own tables),
    /// copied as it is; for the many short values of a dasha table.
    void plainText(std::string_view value);
    /// A text already in JSON's escaped form (valid UTF-8, quotes and
    /// backslashes escaped), copied between quotes as it is.
    void escapedText(std::string_view json) { plainText(json); }
    /// Starts a value the caller appends to the returned string itself, as
    /// complete JSON; for long runs of fixed pieces such as a dasha table.
    std::string& rawValue();
    /// Starts a value the caller writes itself with the piece calls below,
    /// as complete JSON: no separators are added between pieces.
    void beginPieces();
    void piece(std::string_view json) { hold(json); }
    /// Where at least `bytes` more of a pieces value can be written; the
    /// caller then marks the end it wrote to with pieceEnd.
    char* pieceRoom(std::size_t bytes) { return room(bytes); }
    void pieceEnd(char* end) { hold(end); }
    void pieceNumber(double value);
    void pieceInteger(long long value)
    {
        // Inline for signs, houses and padas: one or two digits.
        if (value >= 0 && value < 100 && held_.size() - heldSize_ >= 2) {
            char* at = held_.data() + heldSize_;
            if (value >= 10) *at++ = static_cast<char>('0' + value / 10);
            *at++ = static_cast<char>('0' + value % 10);
            hold(at);
        } else {
            pieceLongInteger(value);
        }
    }
    void number(double value);
    void integer(long long value);
    void boolean(bool value);
    void null();
    /// Hands what is held to `out`; done when the outermost value closes,
    /// by rawValue() and on destruction.
    void flush();

private:
    bool takeComma()  ///< moves past the separator; true when it is a comma
    {
        if (afterKey_) {
            afterKey_ = false;
            return false;
        }
        if (depth_ == 0) return false;
        const std::uint64_t bit = std::uint64_t{1} << (depth_ - 1);
        const bool comma = (hasMembers_ & bit) != 0;
        hasMembers_ |= bit;
        return comma;
    }
    void keyLong(std::string_view name);
    void pieceLongInteger(long long value);
    void separate();
    void open(char bracket);
    void close(char bracket);
    // Small writes are held here and handed to `out` in blocks: a chart
    // line is some hundreds of pieces of a few bytes, and one string append
    // each cost more than the bytes themselves.
    char* room(std::size_t bytes)  ///< where `bytes` more can be written
    {
        if (held_.size() - heldSize_ < bytes) flush();
        return held_.data() + heldSize_;
    }
    /// Keeps what was written up to `end`.
    void hold(char* end) { heldSize_ = static_cast<std::size_t>(end - held_.data()); }
    void hold(std::string_view bytes)
    {
        // Inline: most pieces are literals, copied here with a few moves.
        if (bytes.size() <= held_.size() - heldSize_) {
            std::memcpy(held_.data() + heldSize_, bytes.data(), bytes.size());
            heldSize_ += bytes.size();
        } else {
            holdLong(bytes);
        }
    }
    void holdLong(std::string_view bytes);
    void hold(char c) { hold(std::string_view(&c, 1)); }

    std::string& out_;
    std::uint64_t hasMembers_ = 0;  ///< one bit per open level: something was written in it
    int depth_ = 0;
    bool afterKey_ = false;
    std::size_t heldSize_ = 0;
    std::array<char, 2048> held_;
};

/// `text` as the inside of a JSON string: quotes, backslashes and control
/// characters escaped, invalid UTF-8 sequences replaced by U+FFFD.
void AppendJsonEscaped(std::string& out, std::string_view text);

/// A double as dump() prints it: the shortest text that reads back to the
/// same value, "null" when not finite.
void AppendShortestNumber(std::string& out, double value);

/// An integer as dump() prints it.
void AppendInteger(std::string& out, long long value);

/// `text` with every invalid UTF-8 sequence replaced by U+FFFD, the way
/// AppendJsonEscaped replaces them.
void AppendValidUtf8(std::string& out, std::string_view text);

}  // namespace zodiora::cli
