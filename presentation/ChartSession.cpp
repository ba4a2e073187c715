#include "ChartSession.h"

#include "BirthDataInput.h"
#include "Engine.h"
#include "Retrogrades.h"

namespace zodiora {

ChartDisplay RunChart(const BirthFormInput& input, ChartSession& session)
{
    ReadBirthData(input, session.birth);
    ComputeChart(session.birth, session.positions);
    MarkRetrogrades(session.birth, session.names);
    return BuildChartDisplay(session.birth, session.positions, session.names);
}

}  // namespace zodiora
