#pragma once

#include <string_view>

#include "vocabulary/Vocabulary.h"

namespace zodiora::vocabulary {

/// A name of the time-zone list ("Indian Time", "British Summer Time") in
/// `language`; a name the table lacks, and any name in English, comes back
/// as given. The list itself keeps its English texts, which saved charts and
/// the tool's JSON read.
std::string_view ZoneName(Language language, std::string_view english);

}  // namespace zodiora::vocabulary
