#include <string>

#include "cli/ChartRequest.h"
#include "fuzz/FuzzChecks.h"
#include "fuzz/FuzzEntries.h"

namespace zodiora::fuzz {

namespace {

// Takes numbers off the front of the bytes; zeros once they run out.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    unsigned next(unsigned range)
    {
        const unsigned value = pos_ + 1 < size_ ? (data_[pos_] << 8 | data_[pos_ + 1]) : 0;
        pos_ += 2;
        return value % range;
    }
    std::string rest(std::size_t length)
    {
        std::string text;
        for (; pos_ < size_ && text.size() < length; ++pos_) text.push_back(static_cast<char>(data_[pos_]));
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

std::string TwoDigits(unsigned value)
{
    return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

}  // namespace

int FuzzChartPath(const std::uint8_t* data, std::size_t size)
{
    ByteReader bytes(data, size);
    cli::ChartArguments arguments;
    const unsigned year = 1901 + bytes.next(150);
    const unsigned month = 1 + bytes.next(12);
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    const unsigned monthDays[]{31, leap ? 29u : 28u, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const unsigned day = 1 + bytes.next(monthDays[month - 1]);
    arguments.date = std::to_string(year) + "-" + TwoDigits(month) + "-" + TwoDigits(day);
    arguments.time = TwoDigits(bytes.next(24)) + ":" + TwoDigits(bytes.next(60));
    arguments.zone = std::to_string(bytes.next(71));
    arguments.daylightSaving = bytes.next(2) == 1;
    arguments.latitude = TwoDigits(bytes.next(90)) + ":" + TwoDigits(bytes.next(60)) + (bytes.next(2) ? "S" : "N");
    arguments.longitude = std::to_string(bytes.next(180)) + ":" + TwoDigits(bytes.next(60)) + (bytes.next(2) ? "W" : "E");
    // The form wants a name that is not all blanks.
    arguments.name.push_back(static_cast<char>('A' + bytes.next(26)));
    for (unsigned letters = bytes.next(12); letters > 0; --letters) {
        arguments.name.push_back(static_cast<char>("ABCDEFGHIJKLMNOPQRSTUVWXYZabcxyz "[bytes.next(33)]));
    }
    arguments.city = bytes.rest(40);
    arguments.state = bytes.rest(20);
    arguments.country = bytes.rest(20);

    const auto parsed = cli::ParseChartArguments(arguments);
    Check(parsed.index() == 0, "a valid birth is accepted");
    ChartSession session;
    CheckChartResult(session.run(std::get<BirthFormInput>(parsed)));
    return 0;
}

}  // namespace zodiora::fuzz
