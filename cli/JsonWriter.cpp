#include "cli/JsonWriter.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

#include "cli/ShortestNumber.h"

namespace zodiora::cli {

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD";

// Length of the valid UTF-8 sequence at the start of `text`, or 0 when it is
// invalid; `consumed` is then how many bytes the invalid part covers: the lead
// byte and any continuation bytes that fitted before the one that did not,
// which is read again as a new start (the maximal-subpart rule).
std::size_t ValidSequence(std::string_view text, std::size_t& consumed)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        consumed = 1;
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (k >= text.size()) {
            consumed = k;
            return 0;
        }
        const auto byte = static_cast<unsigned char>(text[k]);
        if (byte < low || byte > high) {
            consumed = k;
            return 0;
        }
        low = 0x80;
        high = 0xBF;
    }
    return length;
}

// Bytes copied as they are: printable ASCII other than the quote and the
// backslash, which JSON escapes. Control characters and non-ASCII bytes take
// the slow path.
constexpr std::array<bool, 256> PlainBytes = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x80; ++c) plain[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
    return plain;
}();

// Where WalkUtf8 writes: the end of a string, or a buffer the caller made
// big enough (six bytes for each byte of text at most: "\u001f").
struct StringSink {
    std::string& out;
    void put(const char* bytes, std::size_t count) { out.append(bytes, count); }
    void put(std::string_view bytes) { out.append(bytes); }
    void put(char c) { out.push_back(c); }
    /// Copies the plain bytes from `i` on; returns where they end.
    std::size_t copyPlainRun(std::string_view text, std::size_t i);
};

struct BufferSink {
    char* at;
    void put(const char* bytes, std::size_t count)
    {
        std::memcpy(at, bytes, count);
        at += count;
    }
    void put(std::string_view bytes) { put(bytes.data(), bytes.size()); }
    void put(char c) { *at++ = c; }
    /// Byte by byte: the texts written here are short, and their runs
    /// shorter still (a degree sign, a quote, a line break every few
    /// bytes), too short to gain from testing words and copying blocks.
    std::size_t copyPlainRun(std::string_view text, std::size_t i)
    {
        while (i < text.size() && PlainBytes[static_cast<unsigned char>(text[i])]) *at++ = text[i++];
        return i;
    }
};

// Longest text, key or number written through a buffer on the stack and
// appended to the output at once: a handful of small appends per value
// (separator, quote, runs, escapes) cost more than the bytes themselves.
constexpr std::size_t ShortText = 64;
constexpr std::size_t MaxEscapedBytes = 6;  // per byte of text
constexpr std::size_t ShortRoom = 4 + MaxEscapedBytes * ShortText;

template <typename Sink>
void AppendEscapedAscii(Sink& out, char c)
{
    switch (c) {
    case '"': out.put("\\\""); return;
    case '\\': out.put("\\\\"); return;
    case '\b': out.put("\\b"); return;
    case '\f': out.put("\\f"); return;
    case '\n': out.put("\\n"); return;
    case '\r': out.put("\\r"); return;
    case '\t': out.put("\\t"); return;
    default: break;
    }
    if (static_cast<unsigned char>(c) < 0x20) {
        constexpr std::string_view Hex = "0123456789abcdef";
        out.put("\\u00");
        out.put(Hex[static_cast<unsigned char>(c) >> 4]);
        out.put(Hex[static_cast<unsigned char>(c) & 0xF]);
        return;
    }
    out.put(c);
}

// Eight bytes at a time: any byte below 0x20, at or above 0x80, '"' or '\\'
// ends a run of plain bytes (the classic has-zero-byte tests).
bool AllPlain(std::uint64_t word)
{
    constexpr std::uint64_t Ones = 0x0101010101010101;
    constexpr std::uint64_t Highs = 0x8080808080808080;
    const auto hasZero = [](std::uint64_t w) { return (w - Ones) & ~w & Highs; };
    const std::uint64_t below = (word - Ones * 0x20) & ~word & Highs;
    return ((word & Highs) | below | hasZero(word ^ (Ones * '"')) | hasZero(word ^ (Ones * '\\'))) == 0;
}

std::size_t PlainRunEnd(std::string_view text, std::size_t i)
{
    while (i + 8 <= text.size()) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, sizeof word);
        if (!AllPlain(word)) break;
        i += 8;
    }
    while (i < text.size() && PlainBytes[static_cast<unsigned char>(text[i])]) ++i;
    return i;
}

// Copies runs of plain bytes whole; hands other ASCII bytes to `ascii`
// (escaping or not), passes valid UTF-8 sequences and replaces invalid ones.
std::size_t StringSink::copyPlainRun(std::string_view text, std::size_t i)
{
    const std::size_t run = PlainRunEnd(text, i);
    out.append(text.data() + i, run - i);
    return run;
}

template <typename Sink, typename AsciiFunction>
void WalkUtf8(Sink& out, std::string_view text, AsciiFunction ascii)
{
    std::size_t i = 0;
    while (i < text.size()) {
        i = out.copyPlainRun(text, i);
        if (i == text.size()) break;
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            ascii(out, static_cast<char>(byte));
            ++i;
            continue;
        }
        // Two-byte letters and signs (the degree sign of every position)
        // are the usual case: judged here as ValidSequence would judge them.
        if (byte >= 0xC2 && byte <= 0xDF && i + 1 < text.size() &&
            (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            out.put(text.data() + i, 2);
            i += 2;
            continue;
        }
        std::size_t consumed = 0;
        const std::size_t length = ValidSequence(text.substr(i), consumed);
        if (length > 0) {
            out.put(text.data() + i, length);
            i += length;
        } else {
            out.put(Replacement);
            i += consumed;
        }
    }
}

}  // namespace

void AppendJsonEscaped(std::string& out, std::string_view text)
{
    StringSink sink{out};
    WalkUtf8(sink, text, AppendEscapedAscii<StringSink>);
}

void AppendValidUtf8(std::string& out, std::string_view text)
{
    StringSink sink{out};
    WalkUtf8(sink, text, [](StringSink& o, char c) { o.put(c); });
}

namespace {

// Room for a double as dump() prints it.
constexpr std::size_t NumberRoom = 64;

constexpr std::size_t IntegerRoom = 24;

char* PutInteger(char* at, long long value) { return std::to_chars(at, at + IntegerRoom, value).ptr; }

}  // namespace

void AppendShortestNumber(std::string& out, double value)
{
    char buffer[NumberRoom];
    out.append(buffer, PutShortestNumber(buffer, value));
}

void AppendInteger(std::string& out, long long value)
{
    char buffer[IntegerRoom];
    out.append(buffer, PutInteger(buffer, value));
}

JsonWriter::~JsonWriter() { flush(); }

void JsonWriter::flush()
{
    out_.append(held_.data(), heldSize_);
    heldSize_ = 0;
}


void JsonWriter::holdLong(std::string_view bytes)
{
    if (bytes.size() > held_.size()) {
        flush();
        out_.append(bytes);
        return;
    }
    char* at = room(bytes.size());
    std::memcpy(at, bytes.data(), bytes.size());
    hold(at + bytes.size());
}

void JsonWriter::separate()
{
    if (takeComma()) hold(',');
}

void JsonWriter::open(char bracket)
{
    separate();
    hold(bracket);
    ++depth_;
    hasMembers_ &= ~(std::uint64_t{1} << (depth_ - 1));
}

void JsonWriter::close(char bracket)
{
    --depth_;
    hold(bracket);
    if (depth_ == 0) flush();
}

void JsonWriter::beginObject() { open('{'); }
void JsonWriter::beginArray() { open('['); }
void JsonWriter::endObject() { close('}'); }
void JsonWriter::endArray() { close(']'); }

void JsonWriter::keyLong(std::string_view name)
{
    separate();
    hold('"');
    hold(name);
    hold(std::string_view("\":"));
    afterKey_ = true;
}

void JsonWriter::text(std::string_view value)
{
    if (value.size() > ShortText) {
        separate();
        hold('"');
        flush();
        AppendJsonEscaped(out_, value);
        hold('"');
        return;
    }
    BufferSink sink{room(ShortRoom)};
    if (takeComma()) sink.put(',');
    sink.put('"');
    WalkUtf8(sink, value, AppendEscapedAscii<BufferSink>);
    sink.put('"');
    hold(sink.at);
}

void JsonWriter::plainText(std::string_view value)
{
    separate();
    hold('"');
    hold(value);
    hold('"');
}

std::string& JsonWriter::rawValue()
{
    separate();
    flush();
    return out_;
}

void JsonWriter::beginPieces() { separate(); }

void JsonWriter::pieceNumber(double value) { hold(PutShortestNumber(room(NumberRoom), value)); }

void JsonWriter::pieceLongInteger(long long value) { hold(PutInteger(room(IntegerRoom), value)); }

void JsonWriter::number(double value)
{
    separate();
    pieceNumber(value);
}

void JsonWriter::integer(long long value)
{
    separate();
    pieceInteger(value);
}

void JsonWriter::boolean(bool value)
{
    separate();
    hold(value ? std::string_view("true") : std::string_view("false"));
}

void JsonWriter::null()
{
    separate();
    hold(std::string_view("null"));
}

}  // namespace zodiora::cli
