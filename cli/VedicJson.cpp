#include "cli/VedicJson.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "cli/BodyKeys.h"
#include "cli/DashaOutput.h"
#include "cli/sections/FixedPieces.h"
#include "engine/Engine.h"
#include "engine/SignNames.h"
#include "vedic/LocalDate.h"
#include "vedic/Nakshatra.h"
#include "vedic/Navamsa.h"
#include "vedic/Vimshottari.h"

namespace zodiora::cli {

namespace {

void Member(JsonWriter& json, std::string_view key, std::string_view value)
{
    json.key(key);
    json.plainText(value);
}

// The dasha table is most of a chart's JSON: some ninety periods of names
// and dates from the program's own tables, plain ASCII. It is written from
// fixed pieces straight into room reserved for the longest case, each piece
// copied at a fixed size (the room allows it) and the cursor moved by its
// true length.
using Piece = FixedPiece<32>;
constexpr std::size_t PeriodRoom = 4 * sizeof Piece::text;

// The tables of pieces are made once at start-up rather than on first use,
// so the many uses per chart check no guard.

// {"lord":"Venus","start":"  for each lord.
const auto LordOpenings = PiecesOf<Piece, vedic::DashaLordCount>([](std::size_t k) {
    return PieceOf<sizeof Piece::text>({R"({"lord":")", vedic::DashaLordName(static_cast<vedic::DashaLord>(k)), R"(","start":")"});
});

const Piece EndKey = PieceOf<sizeof Piece::text>({R"(","end":")"});

// "00" to "99" as two-byte words, the first digit in the low byte, so a
// date's words can be put together in registers (see DateTextOf).
constexpr std::array<std::uint64_t, 100> DigitPairs = [] {
    std::array<std::uint64_t, 100> pairs{};
    for (int k = 0; k < 100; ++k) {
        pairs[static_cast<std::size_t>(k)] =
            static_cast<std::uint64_t>('0' + k / 10) | static_cast<std::uint64_t>('0' + k % 10) << 8;
    }
    return pairs;
}();

// A boundary's date, "YYYY-MM-DD" (or longer for years beyond four digits,
// at most 13 characters within LocalDate's range), held as two words that
// are copied whole: a 32-byte Piece per date made the JSON line 9 % slower.
struct DateText {
    std::uint64_t head = 0;
    std::uint64_t tail = 0;
    std::size_t length = 0;
};

// The words are built with shifts, not by writing bytes to memory and reading
// them back as words: the mixed-size store and load stalled the CPU (most of
// this function's time). The byte order is that of memcpy on this machine.
static_assert(std::endian::native == std::endian::little, "DateTextOf builds words in little-endian order");

DateText DateTextOf(const vedic::CalendarDate& date)
{
    DateText result;
    if (date.year < 0 || date.year > 9999) {
        char text[16] = {};
        result.length = vedic::IsoDate(date).copy(text, sizeof text);
        std::memcpy(&result.head, text, 8);
        std::memcpy(&result.tail, text + 8, 8);
        return result;
    }
    constexpr std::uint64_t Dash = '-';
    result.head = DigitPairs[static_cast<std::size_t>(date.year / 100)] |
                  DigitPairs[static_cast<std::size_t>(date.year % 100)] << 16 | Dash << 32 |
                  DigitPairs[static_cast<std::size_t>(date.month)] << 40 | Dash << 56;
    result.tail = DigitPairs[static_cast<std::size_t>(date.day)];
    result.length = 10;
    return result;
}

char* Put(char* at, const DateText& date)
{
    std::memcpy(at, &date.head, 8);
    std::memcpy(at + 8, &date.tail, 8);
    return at + date.length;
}

// {"lord":"…","start":"…","end":"…"  without the closing brace.
char* PutSpan(char* at, vedic::DashaLord lord, const DateText& start, const DateText& end)
{
    at = Put(at, LordOpenings[static_cast<std::size_t>(lord)]);
    at = Put(at, start);
    at = Put(at, EndKey);
    at = Put(at, end);
    *at++ = '"';
    return at;
}

// [{"lord":…,"start":…,"end":…,"sub":[{…},…]},…]
void AppendPeriods(std::string& out, const vedic::VimshottariDasha& dasha, int utcOffsetSeconds)
{
    // Periods and their sub-periods follow one another without gaps, so the
    // boundaries are the first start and then every sub-period's end, each
    // converted once. Reused from chart to chart.
    thread_local std::vector<double> boundaries;
    thread_local std::vector<vedic::CalendarDate> dates;
    boundaries.clear();
    if (!dasha.periods.empty()) boundaries.push_back(dasha.periods.front().startJd);
    for (const vedic::Mahadasha& period : dasha.periods) {
        for (const vedic::DashaPeriod& sub : period.sub) boundaries.push_back(sub.endJd);
    }
    dates.resize(boundaries.size());
    vedic::LocalDates(boundaries, utcOffsetSeconds, dates);

    // Each boundary's text once: a period's end is the next one's start.
    thread_local std::vector<DateText> texts;
    texts.resize(dates.size());
    for (std::size_t k = 0; k < dates.size(); ++k) texts[k] = DateTextOf(dates[k]);

    // Written into a buffer kept from chart to chart and then appended:
    // growing `out` by the room first would clear twice the bytes written.
    thread_local std::vector<char> scratch;
    const std::size_t room = 2 + (dasha.periods.size() + boundaries.size()) * PeriodRoom;
    if (scratch.size() < room) scratch.resize(room);
    char* const begin = scratch.data();
    char* at = begin;
    *at++ = '[';
    std::size_t first = 0;  // the boundary that starts the current period
    for (const vedic::Mahadasha& period : dasha.periods) {
        const std::size_t count = period.sub.size();
        const DateText* const bounds = texts.data() + first;
        if (&period != dasha.periods.data()) *at++ = ',';
        at = PutSpan(at, period.lord, bounds[0], bounds[count]);
        std::memcpy(at, R"(,"sub":[)", 8);
        at += 8;
        for (std::size_t k = 0; k < count; ++k) {
            if (k > 0) *at++ = ',';
            at = PutSpan(at, period.sub[k].lord, bounds[k], bounds[k + 1]);
            *at++ = '}';
        }
        *at++ = ']';
        *at++ = '}';
        first += count;
    }
    *at++ = ']';
    out.append(begin, at);
}

using PointNakshatras = std::array<vedic::NakshatraPosition, AllPoints.size()>;

// The nakshatra and navamsa members are written from fixed pieces too,
// three or two per point, rather than eight or four pieces of varying size.
// "Uttara Bhadrapada" needs the longer room.
using LongPiece = FixedPiece<48>;

// ,"name":"Punarvasu","pada":
const auto NakshatraNamePieces = PiecesOf<LongPiece, vedic::NakshatraCount>([](std::size_t k) {
    return PieceOf<sizeof LongPiece::text>({R"(,"name":")", vedic::NakshatraName(static_cast<int>(k)), R"(","pada":)"});
});
// ,"lord":"Jupiter"}
const auto NakshatraLordPieces = PiecesOf<Piece, vedic::DashaLordCount>([](std::size_t k) {
    return PieceOf<sizeof Piece::text>({R"(,"lord":")", vedic::DashaLordName(static_cast<vedic::DashaLord>(k)), "\"}"});
});
// "Capricorn"
const auto QuotedSignNames =
    PiecesOf<Piece, 12>([](std::size_t k) { return PieceOf<sizeof Piece::text>({"\"", SignNames[k], "\""}); });

// [{"body":"Sun","name":"Punarvasu","pada":3,"lord":"Jupiter"},…]
void AppendNakshatras(JsonWriter& json, const PointNakshatras& nakshatras)
{
    json.beginPieces();
    const auto& openings = BodyListOpeningPieces();
    char* at = json.pieceRoom(PointCount * (BodyKeyRoom + sizeof Piece::text + sizeof LongPiece::text + 1) + 1);
    for (std::size_t k = 0; k < AllPoints.size(); ++k) {
        const vedic::NakshatraPosition& point = nakshatras[k];
        at = Put(at, openings[k]);
        at = Put(at, NakshatraNamePieces[static_cast<std::size_t>(point.index)]);
        *at++ = static_cast<char>('0' + point.pada);
        at = Put(at, NakshatraLordPieces[static_cast<std::size_t>(point.lord)]);
    }
    *at++ = ']';
    json.pieceEnd(at);
}

// {"Sun":"Capricorn",…}
void AppendNavamsas(JsonWriter& json, const PointNakshatras& nakshatras)
{
    json.beginPieces();
    const auto& keys = BodyMemberKeyPieces();
    char* at = json.pieceRoom(PointCount * (BodyKeyRoom + sizeof Piece::text) + 1);
    for (std::size_t k = 0; k < AllPoints.size(); ++k) {
        at = Put(at, keys[k]);
        at = Put(at, QuotedSignNames[static_cast<std::size_t>(vedic::NavamsaSign(nakshatras[k]))]);
    }
    *at++ = '}';
    json.pieceEnd(at);
}

}  // namespace

void AppendVedicMembers(JsonWriter& json, const Chart& chart, int utcOffsetSeconds, int dashaLevels)
{
    // Each point's pada once: the navamsa is its pada's sign.
    PointNakshatras nakshatras;
    for (std::size_t k = 0; k < AllPoints.size(); ++k) nakshatras[k] = vedic::NakshatraOf(chart.longitude(AllPoints[k]));
    json.key("nakshatras");
    AppendNakshatras(json, nakshatras);
    json.key("navamsa");
    AppendNavamsas(json, nakshatras);
    // Kept from chart to chart, so its lists need no new memory.
    thread_local vedic::VimshottariDasha dasha;
    vedic::FillVimshottari(chart.longitude(Body::Moon), JulianDayUt(chart.moment),
                           DaysPerYear(chart.settings.dashaYear), dasha);
    json.key("dasha");
    json.beginObject();
    json.key("balance");
    json.beginObject();
    Member(json, "lord", vedic::DashaLordName(dasha.balance.lord));
    json.key("years");
    json.number(dasha.balance.years);
    json.endObject();
    json.key("periods");
    if (dashaLevels == 2) {
        AppendPeriods(json.rawValue(), dasha, utcOffsetSeconds);
    } else {
        AppendDashaPeriodsJson(json.rawValue(), chart, dashaLevels, utcOffsetSeconds);
    }
    json.endObject();
}

}  // namespace zodiora::cli
