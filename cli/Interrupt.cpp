#include "cli/Interrupt.h"

#include <signal.h>

#include <atomic>

namespace zodiora::cli {

namespace {

std::atomic<int> CaughtSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "set from a signal handler");

struct sigaction PreviousInt;
struct sigaction PreviousTerm;

extern "C" void RecordSignal(int signal)
{
    CaughtSignal.store(signal);
}

void Catch(int signal, struct sigaction& previous)
{
    sigaction(signal, nullptr, &previous);
    if (previous.sa_handler == SIG_IGN) return;
    struct sigaction action {};
    action.sa_handler = RecordSignal;
    sigemptyset(&action.sa_mask);
    // SA_RESETHAND: the second signal finds the default action again.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(signal, &action, nullptr);
}

}  // namespace

InterruptGuard::InterruptGuard()
{
    CaughtSignal.store(0);
    Catch(SIGINT, PreviousInt);
    Catch(SIGTERM, PreviousTerm);
}

InterruptGuard::~InterruptGuard()
{
    sigaction(SIGINT, &PreviousInt, nullptr);
    sigaction(SIGTERM, &PreviousTerm, nullptr);
}

int InterruptGuard::Caught()
{
    return CaughtSignal.load();
}

}  // namespace zodiora::cli
