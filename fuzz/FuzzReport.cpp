#include <cstring>

#include "fuzz/FuzzChecks.h"
#include "fuzz/FuzzEntries.h"
#include "presentation/Interpretation.h"
#include "presentation/ReportSink.h"
#include "presentation/RtfWriter.h"

namespace zodiora::fuzz {

namespace {

// Counts what the windows' sink would be given.
class CountingSink final : public ReportSink {
public:
    void setBold(bool) override { ++formats; }
    void setColour(int red, int green, int blue) override
    {
        Check(red >= 0 && red < 256 && green >= 0 && green < 256 && blue >= 0 && blue < 256, "colour in range");
        ++formats;
    }
    void insertText(std::string_view text) override { inserted += text.size(); }
    std::size_t formats = 0;
    std::size_t inserted = 0;
};

}  // namespace

int FuzzReport(const std::uint8_t* data, std::size_t size)
{
    // Every 8 bytes are one longitude; every InterpretedBodyCount of them one chart.
    InterpretationState state;
    std::size_t offset = 0;
    do {
        Chart chart;
        for (int body = 0; body < InterpretedBodyCount && offset + sizeof(double) <= size; ++body) {
            std::memcpy(&chart.longitudes[static_cast<std::size_t>(body)], data + offset, sizeof(double));
            offset += sizeof(double);
        }
        UpdateReadings(chart, state);
        const Report report = ComposeInterpretation(state);
        Check(report.size() == 11 * static_cast<std::size_t>(InterpretedBodyCount), "report of 110 pieces");
        const std::string text = PlainText(report);
        CheckText(text, true);
        CheckRtf(PlainTextToRtf(text));
        CountingSink sink;
        WriteReport(report, sink);
        Check(sink.formats == 2 * report.size() && sink.inserted == text.size(), "sink gets every piece");
    } while (offset + sizeof(double) <= size);
    return 0;
}

}  // namespace zodiora::fuzz
