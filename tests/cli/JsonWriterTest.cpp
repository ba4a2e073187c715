#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/ChartCsvWriter.h"
#include "cli/ChartJsonWriter.h"
#include "cli/ChartOutput.h"
#include "cli/JsonWriter.h"
#include "engine/PositionText.h"

using namespace zodiora::cli;

namespace {

std::string Escaped(const std::string& text)
{
    std::string out;
    AppendJsonEscaped(out, text);
    return '"' + out + '"';
}

// A text value through the writer, which builds short ones on the stack.
std::string Written(const std::string& text)
{
    std::string out;
    JsonWriter json(out);
    json.text(text);
    json.flush();
    return out;
}

std::string Reference(const std::string& text)
{
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

// Any bytes at all: the same text as dump() with invalid UTF-8 replaced.
TEST(JsonWriter, EscapesAnyBytesAsDumpDoes)
{
    for (const std::string& text : {std::string("plain"), std::string("q\"b\\s/\b\f\n\r\t\x01\x1f\x7f"),
                                   std::string("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), std::string("\xC3"),
                                   std::string("\xE2\x82"), std::string("\xC0\xAF"), std::string("\xED\xA0\x80"),
                                   std::string("\xF4\x90\x80\x80"), std::string("a\xFF" "b\x80"),
                                   std::string("\0x", 2)}) {
        EXPECT_EQ(Escaped(text), Reference(text)) << text;
        EXPECT_EQ(Written(text), Reference(text)) << text;
    }
    std::mt19937 random(14);
    const std::string pieces[] = {"a", "\"", "\\", "\n", "\x02", "\xC3", "\xA9", "\xE2", "\x82", "\xAC", "\xF0",
                                  "\x9F", "\xED", "\xA0", "\xFF", "\xC0", "\xF4", "\x90", "\x80", "\xBF",
                                  "\xC1", "\xC2", "\xDF", "\xE0",  // both edges of the two-byte leads
                                  "plain run of bytes", "x'y"};     // runs longer than the word scan's eight
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        // Up to 90 pieces: texts either side of the writer's short-text limit.
        for (int k = static_cast<int>(random() % 90); k > 0; --k) text += pieces[random() % std::size(pieces)];
        ASSERT_EQ(Escaped(text), Reference(text)) << round;
        ASSERT_EQ(Written(text), Reference(text)) << round;
    }
}

TEST(JsonWriter, NumbersAndNestingAsDumpPrintsThem)
{
    std::string out;
    JsonWriter json(out);
    json.beginObject();
    json.key("a");
    json.beginArray();
    for (const double x : {1.0, -0.0, 0.1, 1e-5, 1e16, 123456789012345680.0, -23.581846503208194, 5e-324}) {
        json.number(x);
    }
    json.endArray();
    json.key("e");
    json.beginObject();
    json.endObject();
    json.key("n");
    json.null();
    json.key("t");
    json.boolean(true);
    json.key("i");
    json.integer(-42);
    json.key("j");
    json.beginArray();
    for (const long long k : {0LL, 9LL, 10LL, 99LL, 100LL, -1LL, -100LL, 9223372036854775807LL}) json.integer(k);
    json.endArray();
    json.endObject();
    nlohmann::ordered_json reference;
    reference["a"] = {1.0, -0.0, 0.1, 1e-5, 1e16, 123456789012345680.0, -23.581846503208194, 5e-324};
    reference["e"] = nlohmann::ordered_json::object();
    reference["n"] = nullptr;
    reference["t"] = true;
    reference["i"] = -42;
    reference["j"] = {0, 9, 10, 99, 100, -1, -100, 9223372036854775807LL};
    EXPECT_EQ(out, reference.dump());
}

// The writer's own Grisu2 steps give dump()'s digits: edges of the format
// and of the binary exponents (where the lower boundary is closer), then
// random bit patterns. (Checked once on 120 million values when written.)
TEST(JsonWriter, EveryDoubleAsDumpPrintsIt)
{
    const auto same = [](double x) {
        std::string out;
        AppendShortestNumber(out, x);
        return out == nlohmann::json(x).dump();
    };
    for (int e = -1074; e <= 1023; ++e) {
        const double power = std::ldexp(1.0, e);
        ASSERT_TRUE(same(power) && same(std::nextafter(power, 0.0)) && same(std::nextafter(power, 2 * power))) << e;
    }
    for (const double x : {1e-5, 1e-4, 0.00012345, 9.9999999999999e14, 1e15, 1e16, 112589990684262.39,
                           1125899906842623.9, 1.7976931348623157e308, 2.2250738585072009e-308}) {
        EXPECT_TRUE(same(x)) << x;
    }
    std::mt19937_64 random(26);
    for (int k = 0; k < 200000; ++k) {
        const auto x = std::bit_cast<double>(random());
        if (std::isfinite(x)) {
            ASSERT_TRUE(same(x)) << x;
        }
    }
}

// A key longer than the short-key path: once taken for the buffer's end.
TEST(JsonWriter, LongKeyWrittenWhole)
{
    const std::string name(100, 'k');
    std::string out;
    {
        JsonWriter json(out);
        json.beginObject();
        json.key(name);
        json.integer(1);
        json.endObject();
    }
    EXPECT_EQ(out, "{\"" + name + "\":1}");
}

// The chart JSON writes long positions in their escaped form at once: the
// same bytes as the text escaped, in range and beyond it.
TEST(JsonWriter, EscapedLongPositionsAreTheEscapedTexts)
{
    for (const double degrees : {0.0, 7.6954786, 29.99999999, 187.69547860315828, 359.9999999, 360.0, 400.5, -12.25,
                                 1e15}) {
        char text[zodiora::LongPositionRoom];
        std::string out;
        JsonWriter json(out);
        json.escapedText({text, zodiora::PutLongPositionText(text, degrees, "\\\"")});
        json.flush();
        EXPECT_EQ(out, Reference(zodiora::LongPositionText(degrees))) << degrees;
    }
}

TEST(CsvField, QuotedOnlyWhenNeeded)
{
    std::string out;
    for (const char* field : {"plain", "a,b", "say \"hi\"", "two\nlines", "bad\xFF"}) {
        AppendCsvField(out, field);
        out += '|';
    }
    EXPECT_EQ(out, "plain|\"a,b\"|\"say \"\"hi\"\"\"|\"two\nlines\"|bad\xEF\xBF\xBD|");
}

// The direct writer against the tree-built object for the display keys: the
// writer's line must be dump()'s object with the number keys appended.
TEST(ChartJsonWriter, DisplayKeysAreDumpsBytes)
{
    std::mt19937 random(5);
    zodiora::ChartSession session;
    for (int round = 0; round < 300; ++round) {
        zodiora::BirthFormInput input;
        input.name = "PERSON";
        input.year = 1901 + static_cast<int>(random() % 150);
        input.monthIndex = static_cast<int>(random() % 12);
        input.day = 1 + static_cast<int>(random() % 28);
        input.hour = static_cast<int>(random() % 24);
        input.minute = static_cast<int>(random() % 60);
        input.zoneRow = static_cast<int>(random() % 71);
        input.daylightSaving = random() % 2 == 1;
        input.latDegrees = std::to_string(random() % 90);
        input.latMinutes = std::to_string(random() % 60);
        input.south = random() % 2 == 1;
        input.lonDegrees = std::to_string(random() % 180);
        input.lonMinutes = std::to_string(random() % 60);
        input.east = random() % 2 == 1;
        input.city = "Caf\xC3\xA9, \"Old\" Town";
        const bool report = round % 3 == 0;
        const auto result = session.run(input, report ? zodiora::ChartSession::ReportMode::Compose
                                                      : zodiora::ChartSession::ReportMode::Skip);
        auto reference = ChartJson(result);
        if (report) reference["report"] = PlainText(result.report);
        const std::string prefix = reference.dump();
        std::string line;
        AppendChartJson(line, result, zodiora::cli::ChartRequest{input, {}, {}, {}, {}}, report);
        ASSERT_EQ(line.substr(0, prefix.size() - 1), prefix.substr(0, prefix.size() - 1)) << round;
        ASSERT_EQ(line.substr(prefix.size() - 1, 15), ",\"longitudes\":{");
    }
}
