#pragma once

namespace zodiora {

/// With ZODIORA_STARTUP_TRACE set in the environment, prints to stderr the
/// milliseconds since the process began (CPU clock of the process, and the
/// wall clock since main began) and `phase`; otherwise does nothing. Shows
/// where start-up time goes without a profiler.
void TraceStartup(const char* phase);

}  // namespace zodiora
