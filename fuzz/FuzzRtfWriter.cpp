#include <algorithm>
#include <string_view>

#include "fuzz/FuzzChecks.h"
#include "fuzz/FuzzEntries.h"
#include "presentation/RtfWriter.h"

namespace zodiora::fuzz {

int FuzzRtfWriter(const std::uint8_t* data, std::size_t size)
{
    // The first byte says how much of the rest names the fonts.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t fontBytes = size > 0 ? std::min<std::size_t>(data[0] % 32, size - 1) : 0;
    const std::string_view fonts = bytes.substr(size > 0 ? 1 : 0, fontBytes);
    RtfStyle style;
    style.fontName = fonts.substr(0, fonts.size() / 2);
    style.fallbackFontName = fonts.substr(fonts.size() / 2);
    style.fontHalfPoints = size > 0 ? 8 + data[0] % 64 : 20;
    CheckRtf(PlainTextToRtf(bytes.substr(fontBytes + (size > 0 ? 1 : 0)), style));
    return 0;
}

}  // namespace zodiora::fuzz
