#include "vedic/Navamsa.h"

#include <cmath>

#include "vedic/Quarters.h"

namespace zodiora::vedic {

int NavamsaSign(double siderealLongitude)
{
    return static_cast<int>(std::floor(QuarterPosition(siderealLongitude))) % 12;
}

}  // namespace zodiora::vedic
