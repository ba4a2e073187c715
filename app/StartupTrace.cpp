#include "app/StartupTrace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace zodiora {

void TraceStartup(const char* phase)
{
    static const bool on = std::getenv("ZODIORA_STARTUP_TRACE") != nullptr;
    if (!on) return;
    static const auto first = std::chrono::steady_clock::now();
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    const double wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - first).count();
    std::fprintf(stderr, "startup: cpu %7.1f ms  wall %7.1f ms  %s\n", cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6, wall,
                 phase);
}

}  // namespace zodiora
