#include "strength/TimeLords.h"

#include <array>

namespace zodiora::strength {

namespace {

using vedic::Graha;

constexpr long long CreationOffset = 714404130045LL - 2421883LL;

constexpr std::array<Graha, 7> Chaldean{Graha::Saturn, Graha::Jupiter, Graha::Mars, Graha::Sun,
                                        Graha::Venus,  Graha::Mercury, Graha::Moon};

long long Mod(long long a, long long n)
{
    return ((a % n) + n) % n;
}

/// Raman's remainders: 1 = Sunday .. 6 = Friday, 0 = Saturday.
Graha WeekdayOfRemainder(long long remainder)
{
    return vedic::AllGrahas[static_cast<std::size_t>(Mod(remainder - 1, 7))];
}

}  // namespace

long long Ahargana(long long julianDayNumber)
{
    return julianDayNumber + CreationOffset;
}

Graha YearLord(long long ahargana)
{
    return WeekdayOfRemainder(3 * (ahargana / 360) + 1);
}

Graha MonthLord(long long ahargana)
{
    return WeekdayOfRemainder(2 * (ahargana / 30) + 1);
}

Graha WeekdayLord(long long julianDayNumber)
{
    return vedic::AllGrahas[static_cast<std::size_t>(Mod(julianDayNumber + 1, 7))];
}

Graha HoraLord(Graha weekdayLord, int horasSinceSunrise)
{
    std::size_t start = 0;
    while (Chaldean[start] != weekdayLord) ++start;
    return Chaldean[static_cast<std::size_t>(Mod(static_cast<long long>(start) + horasSinceSunrise, 7))];
}

}  // namespace zodiora::strength
