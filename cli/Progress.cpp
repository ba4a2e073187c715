#include "cli/Progress.h"

#include <cstdio>

namespace zodiora::cli {

namespace {

constexpr auto Interval = std::chrono::milliseconds(250);

// Erases the current terminal line and returns to its start.
constexpr const char* ClearLine = "\r\x1b[K";

}  // namespace

Progress::Progress(std::ostream& err, bool terminal, std::optional<long> totalLines, Clock::duration delay)
    : err_(err), terminal_(terminal), totalLines_(totalLines), nextShow_(start_ + delay)
{
}

void Progress::update(std::size_t charts, long line)
{
    if (!terminal_) return;
    const Clock::time_point now = Clock::now();
    if (now < nextShow_) return;
    nextShow_ = now + Interval;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const double rate = seconds > 0 ? static_cast<double>(charts) / seconds : 0;
    char text[160];
    int length = std::snprintf(text, sizeof text, "%s%zu charts", ClearLine, charts);
    if (totalLines_ && *totalLines_ > 0 && line <= *totalLines_) {
        const double share = static_cast<double>(line) / static_cast<double>(*totalLines_);
        const double left = share > 0 ? seconds * (1 - share) / share : 0;
        length += std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length),
                                " (%.0f %%), %.0f charts/s, %.0f s left", share * 100, rate, left);
    } else {
        length += std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length), ", %.0f charts/s",
                                rate);
    }
    err_.write(text, length);
    err_.flush();
    shown_ = true;
}

void Progress::finish()
{
    if (!shown_) return;
    err_ << ClearLine;
    err_.flush();
    shown_ = false;
}

}  // namespace zodiora::cli
