#pragma once

#include <string>
#include <string_view>

namespace zodiora::timezones {

/// Checks a compiled zone file (TZif, RFC 8536) far enough that the tz
/// library can read it without going past its end or trusting a bad index:
/// the header, the counts against the size, every transition's type and
/// every type's abbreviation. Answers an empty string, or what is wrong.
std::string CheckZoneFile(std::string_view bytes);

}  // namespace zodiora::timezones
