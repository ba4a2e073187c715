#pragma once

namespace zodiora::cli {

/// While it lives, the first SIGINT or SIGTERM only records its number, so a
/// batch can stop at a record boundary and say so; a second one ends the
/// program as usual. A signal ignored when the guard was made (a background
/// job's SIGINT) stays ignored. One guard at a time.
class InterruptGuard {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    /// The signal that arrived, or 0.
    static int Caught();
};

}  // namespace zodiora::cli
