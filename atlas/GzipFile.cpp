#include "atlas/GzipFile.h"

#include <zlib.h>

#include <cstdint>
#include <fstream>

namespace zodiora::atlas {

namespace {

// Far above any atlas; guards against a damaged trailer asking for gigabytes.
constexpr std::uint32_t MostUnpacked = 1u << 28;

std::optional<std::string> Fail(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadGzipFile(const std::string& path, std::string* error)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return Fail(error, "cannot open " + path);
    std::string packed(static_cast<std::size_t>(file.tellg()), '\0');
    file.seekg(0);
    if (!file.read(packed.data(), static_cast<std::streamsize>(packed.size())))
        return Fail(error, "cannot read " + path);
    if (packed.size() < 18 || packed[0] != '\x1f' || packed[1] != '\x8b')
        return Fail(error, path + " is not a gzip file");

    // The trailer's last four bytes give the unpacked size, little-endian
    // (modulo 4 GiB, far above any atlas), so the text is unpacked in one call.
    std::uint32_t size = 0;
    for (int k = 1; k <= 4; ++k)
        size = (size << 8) | static_cast<unsigned char>(packed[packed.size() - k]);
    if (size > MostUnpacked)
        return Fail(error, path + " is damaged (implausible unpacked size)");

    std::string text(size, '\0');
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return Fail(error, "zlib could not start");
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    stream.next_out = reinterpret_cast<Bytef*>(text.data());
    stream.avail_out = static_cast<uInt>(text.size());
    const int status = inflate(&stream, Z_FINISH);
    const bool whole = status == Z_STREAM_END && stream.total_out == size;
    inflateEnd(&stream);
    if (!whole)
        return Fail(error, path + " is damaged (gzip data do not unpack)");
    return text;
}

}  // namespace zodiora::atlas
