#include "PlainReport.h"

#include "PlainTextSink.h"

namespace zodiora {

std::string ComposePlainReport(const ChartPositions& chart, InterpretationState& state)
{
    PlainTextSink sink;
    ComposeInterpretation(chart, state, sink);
    return sink.text();
}

}  // namespace zodiora
