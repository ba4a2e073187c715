#include "retrogrades/StationsInYears.h"

#include <cmath>

#include "engine/AngleRoutines.h"
#include "precise/Stations.h"
#include "retrogrades/PrecisePlanet.h"
#include "retrogrades/StationTables.h"
#include "vedic/LocalDate.h"

namespace zodiora {

namespace {

using namespace std::chrono;

int YearOf(sys_days day)
{
    return static_cast<int>(year_month_day{day}.year());
}

double JulianDayOfYearStart(int year)
{
    return JulianDayNumber(1, 1, year) - 0.5;
}

void AddComputed(precise::PrecisePoint planet, int fromYear, int toYear, std::vector<StationSpan>& spans)
{
    for (const auto& period : precise::FindStations(planet, JulianDayOfYearStart(fromYear), JulianDayOfYearStart(toYear + 1))) {
        spans.push_back({StationClockOf(period.retrograde), StationClockOf(period.direct)});
    }
}

}  // namespace

std::string StationRecordText(const StationClock& clock)
{
    const year_month_day date{clock.day};
    return std::to_string(static_cast<unsigned>(date.month())) + ',' + std::to_string(static_cast<unsigned>(date.day())) +
           ',' + std::to_string(static_cast<int>(date.year())) + ',' + std::to_string(clock.hour) + ',' +
           std::to_string(clock.minute) + ',';
}

StationClock StationClockOf(double jdUt)
{
    const sys_time<minutes> moment{minutes{std::llround((jdUt - vedic::UnixEpochJd) * 1440.0)}};
    const sys_days day = floor<days>(moment);
    const auto clock = duration_cast<minutes>(moment - day).count();
    return {day, static_cast<int>(clock / 60), static_cast<int>(clock % 60)};
}

std::optional<std::vector<StationSpan>> StationsInYears(std::string_view planetName, int fromYear, int toYear)
{
    const auto planet = PrecisePlanetNamed(planetName);
    const auto table = LoadStations(planetName);
    if (!planet || !table) return std::nullopt;
    std::vector<StationSpan> spans;
    // Before the tables, then the tables' years, then after them, in order.
    if (fromYear < StationTableYears.first) AddComputed(*planet, fromYear, std::min(toYear, StationTableYears.first - 1), spans);
    for (const StationPeriod& period : *table) {
        const int year = YearOf(period.retrograde.day);
        if (year >= std::max(fromYear, StationTableYears.first) && year <= std::min(toYear, StationTableYears.last)) {
            spans.push_back({{period.retrograde.day, period.retrograde.hour, period.retrograde.minute},
                             {period.direct.day, period.direct.hour, period.direct.minute}});
        }
    }
    if (toYear > StationTableYears.last) AddComputed(*planet, std::max(fromYear, StationTableYears.last + 1), toYear, spans);
    return spans;
}

}  // namespace zodiora
