#include "timezones/ZoneFile.h"

#include <cstdint>

namespace zodiora::timezones {

namespace {

constexpr std::size_t HeaderBytes = 44;

std::uint32_t BigEndian32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < 4; ++k) value = (value << 8) | static_cast<unsigned char>(bytes[at + k]);
    return value;
}

struct Counts {
    std::uint64_t utIndicators, standardIndicators, leaps, transitions, types, abbreviationChars;

    std::uint64_t dataBytes(std::uint64_t timeBytes) const
    {
        return transitions * timeBytes + transitions + types * 6 + abbreviationChars + leaps * (timeBytes + 4) +
               standardIndicators + utIndicators;
    }
};

// The header at `at`, or an explanation in *problem.
bool ReadHeader(std::string_view bytes, std::size_t at, Counts& counts, char& version, std::string* problem)
{
    if (bytes.size() < at + HeaderBytes || bytes.substr(at, 4) != "TZif") {
        *problem = "no TZif header";
        return false;
    }
    version = bytes[at + 4];
    if (version != '\0' && (version < '2' || version > '4')) {
        *problem = "unknown TZif version";
        return false;
    }
    std::uint64_t* fields[] = {&counts.utIndicators, &counts.standardIndicators, &counts.leaps,
                               &counts.transitions,  &counts.types,              &counts.abbreviationChars};
    for (std::size_t k = 0; k < 6; ++k) {
        const std::uint32_t value = BigEndian32(bytes, at + 20 + 4 * k);
        // Signed 32-bit on disk; a negative count is damage.
        if (value > 0x7FFFFFFFu) {
            *problem = "a negative count";
            return false;
        }
        *fields[k] = value;
    }
    if (counts.types == 0 || counts.abbreviationChars == 0) {
        *problem = "no local time types";
        return false;
    }
    return true;
}

// The block after a header: sizes, transition types and abbreviation indexes.
bool CheckBlock(std::string_view bytes, std::size_t at, const Counts& counts, std::uint64_t timeBytes,
                std::string* problem)
{
    if (bytes.size() - at < counts.dataBytes(timeBytes)) {
        *problem = "shorter than its counts say";
        return false;
    }
    const std::size_t indexes = at + counts.transitions * timeBytes;
    for (std::uint64_t k = 0; k < counts.transitions; ++k) {
        if (static_cast<unsigned char>(bytes[indexes + k]) >= counts.types) {
            *problem = "a transition to a local time type that does not exist";
            return false;
        }
    }
    const std::size_t types = indexes + counts.transitions;
    for (std::uint64_t k = 0; k < counts.types; ++k) {
        if (static_cast<unsigned char>(bytes[types + 6 * k + 5]) >= counts.abbreviationChars) {
            *problem = "an abbreviation index past the abbreviations";
            return false;
        }
    }
    return true;
}

}  // namespace

std::string CheckZoneFile(std::string_view bytes)
{
    std::string problem;
    Counts first{};
    char version = 0;
    if (!ReadHeader(bytes, 0, first, version, &problem)) return problem;
    if (!CheckBlock(bytes, HeaderBytes, first, 4, &problem)) return problem;
    if (version == '\0') return {};
    // Version 2 and later repeat the data with 64-bit times; that copy is the one read.
    const std::size_t second = HeaderBytes + first.dataBytes(4);
    Counts counts{};
    char secondVersion = 0;
    if (!ReadHeader(bytes, second, counts, secondVersion, &problem)) return "second header: " + problem;
    if (secondVersion != version) return "the two headers disagree on the version";
    if (!CheckBlock(bytes, second + HeaderBytes, counts, 8, &problem)) return problem;
    return {};
}

}  // namespace zodiora::timezones
