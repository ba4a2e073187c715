// Swiss Ephemeris positions: a published Lahiri Ascendant, public facts
// about the Sun and Moon, the nodes, and the same answers from many threads.
#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

#include "precise/PreciseEphemeris.h"

using namespace zodiora::precise;

namespace {

double Separation(double a, double b)
{
    const double d = std::fmod(std::abs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

PrecisePositions At(double jdUt, double latitude = 28.6, double longitude = 77.2)
{
    const auto positions = ComputePrecise(jdUt, latitude, longitude);
    EXPECT_TRUE(positions.has_value());
    return positions.value_or(PrecisePositions{});
}

}  // namespace

TEST(PreciseEphemeris, BerkeleyAscendantIsTaurus7Degrees34)
{
    // 22 March 2007 10:00 PDT = 17:00 UT, 37°52′N 122°16′W.
    const PrecisePositions p = At(2454181.5 + 17.0 / 24, 37 + 52 / 60.0, -(122 + 16 / 60.0));
    const double minutes = (p.longitude[PreciseAscendant] - 30.0) * 60.0;
    EXPECT_GE(minutes, 7 * 60 + 34);
    EXPECT_LT(minutes, 7 * 60 + 35);
}

TEST(PreciseEphemeris, SunAndMoonAgreeWithPublishedEvents)
{
    // March equinox 2000-03-20 07:35 UT: tropical Sun at 0°.
    const PrecisePositions equinox = At(2451623.5 + (7 + 35 / 60.0) / 24);
    EXPECT_LT(Separation(equinox.longitude[PreciseSun] + equinox.ayanamsa, 0.0), 0.01);
    EXPECT_NEAR(equinox.ayanamsa, 23.86, 0.02);
    // New Moon of the total eclipse, 1999-08-11 11:08 UT.
    const PrecisePositions eclipse = At(2451401.5 + (11 + 8 / 60.0) / 24);
    EXPECT_LT(Separation(eclipse.longitude[PreciseMoon], eclipse.longitude[PreciseSun]), 0.1);
    // Mercury was retrograde from 5 to 28 March 2019.
    const PrecisePositions mercury = At(2458557.5);  // 2019-03-15
    EXPECT_LT(mercury.speed[PreciseMercury], 0.0);
    EXPECT_GT(mercury.speed[PreciseSun], 0.9);
    EXPECT_GT(mercury.speed[PreciseMoon], 11.5);
}

TEST(PreciseEphemeris, NodesOppositeAndEveryLongitudeInRange)
{
    for (double jd = 2415020.5; jd < 2488069.5; jd += 1234.567) {
        const PrecisePositions p = At(jd, -33.9, 151.2);
        for (double longitude : p.longitude) {
            EXPECT_GE(longitude, 0.0);
            EXPECT_LT(longitude, 360.0);
        }
        EXPECT_NEAR(Separation(p.longitude[PreciseKetu], p.longitude[PreciseRahu]), 180.0, 1e-9);
        EXPECT_NEAR(p.speed[PreciseRahu], -0.053, 0.002);  // the mean node runs backwards
        EXPECT_EQ(p.speed[PreciseKetu], p.speed[PreciseRahu]);
    }
}

TEST(PreciseEphemeris, LeavingOutSpeedsKeepsTheLongitudes)
{
    for (double jd : {2415020.5, 2444239.8, 2460000.25}) {
        const PrecisePositions with = At(jd);
        const PrecisePositions without = ComputePrecise(jd, 28.6, 77.2, PreciseSpeeds::Omit).value();
        for (int k = 0; k < PrecisePointCount; ++k) {
            EXPECT_NEAR(without.longitude[k], with.longitude[k], 1e-9) << k;
            EXPECT_EQ(without.speed[k], 0.0) << k;
        }
        EXPECT_NE(with.speed[PreciseMoon], 0.0);
        EXPECT_EQ(without.ayanamsa, with.ayanamsa);
    }
}

TEST(PreciseEphemeris, SameAnswersFromSeveralThreads)
{
    std::vector<double> days;
    for (int k = 0; k < 40; ++k) {
        days.push_back(2440000.5 + 977.3 * k);
    }
    std::vector<PrecisePositions> serial;
    for (double jd : days) {
        serial.push_back(At(jd));
    }
    std::vector<std::vector<PrecisePositions>> parallel(4);
    std::vector<std::thread> workers;
    for (auto& results : parallel) {
        workers.emplace_back([&days, &results] {
            for (double jd : days) {
                results.push_back(ComputePrecise(jd, 28.6, 77.2).value_or(PrecisePositions{}));
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    for (const auto& results : parallel) {
        ASSERT_EQ(results.size(), serial.size());
        for (std::size_t k = 0; k < serial.size(); ++k) {
            EXPECT_EQ(results[k].longitude, serial[k].longitude) << k;
            EXPECT_EQ(results[k].ayanamsa, serial[k].ayanamsa) << k;
        }
    }
}
