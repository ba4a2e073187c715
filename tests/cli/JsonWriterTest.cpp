#include <gtest/gtest.h>

#include <random>
#include <string>

#include <nlohmann/json.hpp>

#include "cli/ChartCsvWriter.h"
#include "cli/JsonWriter.h"

using namespace zodiora::cli;

namespace {

std::string Escaped(const std::string& text)
{
    std::string out;
    AppendJsonEscaped(out, text);
    return '"' + out + '"';
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
    }
    std::mt19937 random(14);
    const std::string pieces[] = {"a", "\"", "\\", "\n", "\x02", "\xC3", "\xA9", "\xE2", "\x82", "\xAC", "\xF0",
                                  "\x9F", "\xED", "\xA0", "\xFF", "\xC0", "\xF4", "\x90", "\x80", "\xBF"};
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int k = static_cast<int>(random() % 12); k > 0; --k) text += pieces[random() % std::size(pieces)];
        ASSERT_EQ(Escaped(text), Reference(text)) << round;
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
    json.endObject();
    nlohmann::ordered_json reference;
    reference["a"] = {1.0, -0.0, 0.1, 1e-5, 1e16, 123456789012345680.0, -23.581846503208194, 5e-324};
    reference["e"] = nlohmann::ordered_json::object();
    reference["n"] = nullptr;
    reference["t"] = true;
    reference["i"] = -42;
    EXPECT_EQ(out, reference.dump());
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
