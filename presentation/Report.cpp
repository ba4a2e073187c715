#include "presentation/Report.h"

namespace zodiora {

void WriteReport(const Report& report, ReportSink& sink)
{
    for (const ReportPiece& piece : report) {
        sink.setBold(piece.bold);
        sink.setColour(piece.colour.red, piece.colour.green, piece.colour.blue);
        sink.insertText(piece.text);
    }
}

std::string PlainText(const Report& report)
{
    std::string text;
    for (const ReportPiece& piece : report) {
        text += piece.text;
    }
    return text;
}

}  // namespace zodiora
