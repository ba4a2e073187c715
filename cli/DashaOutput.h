#pragma once

#include <optional>
#include <string>

#include "cli/JsonWriter.h"
#include "cli/TextWords.h"
#include "engine/Chart.h"
#include "vedic/LocalDate.h"

namespace zodiora::cli {

/// What --dasha-levels and --dasha-at ask of every chart of a run.
struct DashaChoice {
    int levels = 2;  ///< 1 = mahadashas .. 5 = prana; 2 is the table as it always was
    std::optional<vedic::CalendarDate> at;  ///< --dasha-at, read
};

/// The dasha "periods" array `levels` deep (not 2: that table has its own
/// fast writer), each level nested in its parent's "sub" as the antardashas
/// are; dates on the calendar of a clock `utcOffsetSeconds` ahead of UT.
void AppendDashaPeriodsJson(std::string& out, const Chart& chart, int levels, int utcOffsetSeconds);

/// The text lines of the dasha table `levels` deep (not 2), each level
/// indented four more than its parent.
void AppendDashaPeriodsText(std::string& out, const Chart& chart, int levels, int utcOffsetSeconds,
                            const TextWords& words = {});

/// "dashaAt": {"date", "periods": [{"level", "lord", "start", "end"}, ...]}:
/// the periods running at noon of `date` on the birth clock, to `levels`
/// deep; empty before birth and past the table.
void AppendDashaAtJson(JsonWriter& json, const Chart& chart, const vedic::CalendarDate& date, int levels,
                       int utcOffsetSeconds);

/// The same as a titled block of text, starting with a blank line.
void AppendDashaAtText(std::string& out, const Chart& chart, const vedic::CalendarDate& date, int levels,
                       int utcOffsetSeconds, const TextWords& words = {});

}  // namespace zodiora::cli
