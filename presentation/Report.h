#pragma once

#include <string>
#include <vector>

#include "presentation/ReportSink.h"

namespace zodiora {

/// A colour as red, green, blue, 0..255 each.
struct ReportColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const ReportColour&, const ReportColour&) = default;
};

/// One run of the report with its weight and colour; the text carries its
/// own CR LF line breaks.
struct ReportPiece {
    std::string text;
    bool bold = false;
    ReportColour colour;
};

/// The interpretation report as composed once for every output: the
/// window's rich text, the RTF file and the command line.
using Report = std::vector<ReportPiece>;

/// Writes every piece into a sink: weight and colour are set afresh before
/// each piece.
void WriteReport(const Report& report, ReportSink& sink);

/// The report's words without formatting, line breaks as CR LF.
std::string PlainText(const Report& report);

}  // namespace zodiora
