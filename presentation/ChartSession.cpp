#include "ChartSession.h"

#include "BirthDataInput.h"
#include "Engine.h"

namespace zodiora {

ChartDisplay RunChart(const BirthFormInput& input, ChartSession& session)
{
    ReadBirthData(input, session.birth);
    ComputeChart(session.birth, session.positions);
    session.names = PlanetDisplayNames{};
    return BuildChartDisplay(session.birth, session.positions, session.names);
}

}  // namespace zodiora
