#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <ostream>

namespace zodiora::cli {

/// The one-line progress display of a long batch on a terminal: charts done,
/// the share of the input when its size is known, the rate and the time
/// left. Silent unless `terminal`, and until the run has lasted `delay`, so
/// short runs and redirected output never see it. Rewritten in place at most
/// a few times a second and cleared by finish().
class Progress {
public:
    using Clock = std::chrono::steady_clock;

    Progress(std::ostream& err, bool terminal, std::optional<long> totalLines,
             Clock::duration delay = std::chrono::seconds(1));

    /// `charts` records done, the last of them on input line `line`.
    void update(std::size_t charts, long line);

    /// Clears the line if one was shown.
    void finish();

private:
    std::ostream& err_;
    bool terminal_;
    std::optional<long> totalLines_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point nextShow_;
    bool shown_ = false;
};

}  // namespace zodiora::cli
