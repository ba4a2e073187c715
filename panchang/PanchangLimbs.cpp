#include "panchang/PanchangLimbs.h"

#include <array>
#include <cmath>

namespace zodiora::panchang {

namespace {

double Normalized(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    const double n = d < 0 ? d + 360.0 : d;
    return n >= 360.0 ? 0.0 : n;
}

int Step(double degrees, double size, int count)
{
    const int step = static_cast<int>(std::floor(Normalized(degrees) / size));
    return (step < count ? step : count - 1) + 1;
}

constexpr std::array<std::string_view, 15> TithiNames{
    "Pratipada", "Dwitiya", "Tritiya",  "Chaturthi",  "Panchami",    "Shashthi", "Saptami", "Ashtami",
    "Navami",    "Dashami", "Ekadashi", "Dwadashi", "Trayodashi", "Chaturdashi", "Purnima"};

constexpr std::array<std::string_view, 27> YogaNames{
    "Vishkambha", "Priti",   "Ayushman", "Saubhagya", "Shobhana", "Atiganda", "Sukarma", "Dhriti",  "Shula",
    "Ganda",      "Vriddhi", "Dhruva",   "Vyaghata",  "Harshana", "Vajra",    "Siddhi",  "Vyatipata", "Variyana",
    "Parigha",    "Shiva",   "Siddha",   "Sadhya",    "Shubha",   "Shukla",   "Brahma",  "Indra",   "Vaidhriti"};

constexpr std::array<std::string_view, 7> MovableKaranas{"Bava",    "Balava", "Kaulava", "Taitila",
                                                         "Gara",    "Vanija", "Vishti"};

constexpr std::array<std::string_view, 7> VaraNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                    "Thursday", "Friday", "Saturday"};

}  // namespace

double Elongation(double moon, double sun) { return Normalized(moon - sun); }

int TithiNumber(double moon, double sun) { return Step(moon - sun, TithiDegrees, 30); }

int KaranaNumber(double moon, double sun) { return Step(moon - sun, KaranaDegrees, 60); }

int YogaNumber(double moon, double sun) { return Step(moon + sun, YogaDegrees, 27); }

Paksha PakshaOf(int tithi) { return tithi <= 15 ? Paksha::Shukla : Paksha::Krishna; }

std::string_view PakshaName(Paksha paksha) { return paksha == Paksha::Shukla ? "Shukla" : "Krishna"; }

std::string_view TithiDayName(int tithi)
{
    if (tithi < 1 || tithi > 30) return {};
    if (tithi == 30) return "Amavasya";
    return TithiNames[static_cast<std::size_t>((tithi - 1) % 15)];
}

std::string TithiName(int tithi)
{
    if (tithi == 15 || tithi == 30) return std::string(TithiDayName(tithi));
    if (tithi < 1 || tithi > 30) return {};
    return std::string(PakshaName(PakshaOf(tithi))) + " " + std::string(TithiDayName(tithi));
}

std::string_view YogaName(int yoga)
{
    if (yoga < 1 || yoga > 27) return {};
    return YogaNames[static_cast<std::size_t>(yoga - 1)];
}

std::string_view KaranaName(int karana)
{
    if (karana < 1 || karana > 60) return {};
    if (karana == 1) return "Kimstughna";
    if (karana == 58) return "Shakuni";
    if (karana == 59) return "Chatushpada";
    if (karana == 60) return "Naga";
    return MovableKaranas[static_cast<std::size_t>((karana - 2) % 7)];
}

vedic::Graha VaraLord(int vara) { return vedic::AllGrahas[static_cast<std::size_t>((vara + 6) % 7)]; }

std::string_view VaraName(int vara)
{
    if (vara < 1 || vara > 7) return {};
    return VaraNames[static_cast<std::size_t>(vara - 1)];
}

int WeekdayAt(double jdUt, double longitudeEast)
{
    // Julian day numbers change at noon; day number N falls on Monday when N mod 7 is 0.
    const auto day = static_cast<long long>(std::floor(jdUt + 0.5 + longitudeEast / 360.0));
    return static_cast<int>(((day + 1) % 7 + 7) % 7) + 1;
}

}  // namespace zodiora::panchang
