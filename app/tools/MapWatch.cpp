// Starts a program and reports how long it took to map its first window:
// `zodiora-map-watch PROGRAM [ARGS...]` prints "MILLISECONDS RSS_KB PEAK_KB
// CPU_MILLISECONDS", the time from just before the start to the X server's
// MapNotify of the first top-level window (override-redirect popups aside),
// the program's resident and peak memory at that moment and the processor
// time all its threads had used by then (less swayed by other load on the
// machine than the wall clock), then ends the program. Used by
// tools/startup-probe; needs an X display (Xvfb) and no window manager.
#include <xcb/xcb.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <string>

namespace {

// A "VmRSS:" style line of /proc/PID/status, in kB; -1 when missing.
long StatusKb(pid_t pid, const char* field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0) return std::strtol(line.c_str() + length, nullptr, 10);
    }
    return -1;
}

// Processor time of every thread of `pid` so far, in ms, from the
// scheduler's nanosecond counts; -1 when unreadable.
double CpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (dir == nullptr) return -1;
    double ns = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        double onCpu = 0;
        if (stat >> onCpu) ns += onCpu;
    }
    closedir(dir);
    return ns / 1e6;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "zodiora-map-watch: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    // The round trip makes sure the server listens before the program starts.
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int result = 1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
        if (map->override_redirect) continue;
        const auto mapped = std::chrono::steady_clock::now();
        const long rss = StatusKb(child, "VmRSS:");
        const long peak = StatusKb(child, "VmHWM:");
        const double cpu = CpuMs(child);
        std::printf("%.1f %ld %ld %.1f\n", std::chrono::duration<double, std::milli>(mapped - start).count(), rss,
                    peak, cpu);
        result = 0;
        break;
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    return result;
}
