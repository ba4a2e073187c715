#pragma once

#include <string_view>

#include "presentation/ChartSession.h"

namespace zodiora::fuzz {

/// Reports `what` and aborts when `condition` fails, so libFuzzer keeps the input.
void Check(bool condition, const char* what);

/// Well-formed UTF-8 with no control character but LF (and CR when allowed).
void CheckText(std::string_view text, bool crAllowed);

/// A whole RTF document: 7-bit, balanced groups, one frame.
void CheckRtf(std::string_view rtf);

/// Every text of a charted birth: positions name the sign of their
/// longitude, no NaN, the report in its 110 pieces, the command line's
/// text and JSON and the RTF report.
void CheckChartResult(const ChartResult& result);

}  // namespace zodiora::fuzz
